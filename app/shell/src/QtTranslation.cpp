#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace shell {

QtTranslation::QtTranslation() : m_previousLocale(QLocale()) {}

QtTranslation::~QtTranslation() {
    QLocale::setDefault(m_previousLocale);
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
}

QString QtTranslation::catalogue(std::int32_t language) {
    switch (language) {
    case 0:
        return QStringLiteral("qtbase_de");
    case 1:
        return QStringLiteral("qtbase_fr");
    default:
        return {};
    }
}

QLocale QtTranslation::locale(std::int32_t language) {
    switch (language) {
    case 0:
        return QLocale(QLocale::German, QLocale::Germany);
    case 1:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale(QLocale::English);
    }
}

bool QtTranslation::use(std::int32_t language) {
    QLocale::setDefault(locale(language));
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    const QString name = catalogue(language);
    if (name.isEmpty()) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}

} // namespace shell
