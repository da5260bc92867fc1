#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <memory>

class QTranslator;

namespace shell {

/// Qt's own texts (the buttons of the message boxes, the file, print and preview dialogs) in the
/// program's language, from Qt's translations (qtbase) installed with the system, and the program's
/// language as Qt's default locale, so that Qt's dialogs write dates, sizes and names of days as the
/// user reads them. Installs its translator into the application and removes it, and the default locale it
/// found, when destroyed; one per program. The program's own numbers do not follow the default locale: they
/// keep the user's decimal separator.
class QtTranslation {
public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    /// 0 German, 1 French, anything else English, Qt's own language; the default locale follows even
    /// when the translation of the language is not installed (false): Qt's texts then stay English.
    bool use(std::int32_t language);

    /// The locale Qt is given for a language.
    [[nodiscard]] static QLocale locale(std::int32_t language);

    /// The name of Qt's translation of a language ("qtbase_de"), empty for English.
    [[nodiscard]] static QString catalogue(std::int32_t language);

private:
    std::unique_ptr<QTranslator> m_translator;
    QLocale m_previousLocale;
};

} // namespace shell
