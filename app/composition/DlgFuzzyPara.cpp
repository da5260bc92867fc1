#include "DlgFuzzyPara.h"

#include "NumEntry.h"
#include "Placement.h"
#include "Twips.h"
#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"
#include "shell/contract/DialogLanguage.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace composition {

namespace {

controls::NumEntry* numberField(QWidget* parent, const char* name, const QString& text) {
    auto* field = new controls::NumEntry(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFrontNumbers(3);
    field->setBackNumbers(0);
    field->setAlignmentCode(1);
    field->setEntryText(text);
    return field;
}

} // namespace

DlgFuzzyPara::DlgFuzzyPara(shell::contract::DialogLanguage* language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgFuzzyPara"));
    setWindowTitle(QStringLiteral("Fuzzy-Parameter"));
    setModal(true);
    setFixedSize(controls::twipsToPixels(6120), controls::twipsToPixels(2550));

    auto* hits = new QLabel(QStringLiteral("Gewünschte Anzahl an Analysen:"), this);
    hits->setObjectName(QStringLiteral("lblHits"));
    controls::moveTwips(*hits, 1050, 480, 2505, 210);
    m_count = numberField(this, "txtCount", QStringLiteral("1"));
    controls::moveTwips(*m_count, 3840, 420, 735, 315);
    auto* maxTol = new QLabel(QStringLiteral("Maximal zugelassene Toleranz:"), this);
    maxTol->setObjectName(QStringLiteral("lblMaxTol"));
    controls::moveTwips(*maxTol, 1050, 900, 2265, 210);
    m_maxTol = numberField(this, "txtMaxTol", QStringLiteral("50"));
    controls::moveTwips(*m_maxTol, 3840, 840, 735, 315);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setDefault(true);
    controls::moveTwips(*m_ok, 1193, 1800, 1695, 375);
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    controls::moveTwips(*m_cancel, 3113, 1800, 1815, 375);
    for (auto* label : {hits, maxTol}) {
        label->adjustSize();
    }

    connect(m_ok, &QPushButton::clicked, this, [this] {
        Confirmed = true;
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        Confirmed = false;
        reject();
    });
    // The whole text is marked on entry, so that typing replaces it.
    for (auto* field : {m_count, m_maxTol}) {
        connect(field, &controls::NumEntry::GotFocus, field,
                [field] { QTimer::singleShot(0, field, [field] { field->selectAll(); }); });
    }

    if (language != nullptr && language->LanguageClass()) {
        orvik::common::qt::QtLanguageForm form(*this);
        language->LanguageClass()->adjustForm(form);
    }
}

QString DlgFuzzyPara::countText() const {
    return m_count->text();
}

void DlgFuzzyPara::setCountText(const QString& text) {
    m_count->setEntryText(text);
}

QString DlgFuzzyPara::maxToleranceText() const {
    return m_maxTol->text();
}

void DlgFuzzyPara::setMaxToleranceText(const QString& text) {
    m_maxTol->setEntryText(text);
}

} // namespace composition
