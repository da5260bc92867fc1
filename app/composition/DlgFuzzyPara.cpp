#include "DlgFuzzyPara.h"

#include "NumEntry.h"
#include "Twips.h"
#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"
#include "shell/contract/DialogLanguage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

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

    auto* hits = new QLabel(QStringLiteral("Gewünschte Anzahl an Analysen:"), this);
    hits->setObjectName(QStringLiteral("lblHits"));
    m_count = numberField(this, "txtCount", QStringLiteral("1"));
    auto* maxTol = new QLabel(QStringLiteral("Maximal zugelassene Toleranz:"), this);
    maxTol->setObjectName(QStringLiteral("lblMaxTol"));
    m_maxTol = numberField(this, "txtMaxTol", QStringLiteral("50"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    layoutDialog(*hits, *maxTol);

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

void DlgFuzzyPara::layoutDialog(QLabel& hits, QLabel& maxTol) {
    // Laid out by Qt's layouts: the captions take their width in every language, the dialog its size.
    const auto px = controls::twipsToPixels;
    for (auto* field : {m_count, m_maxTol}) {
        field->setFixedWidth(px(735));
    }
    m_ok->setMinimumWidth(px(1695));
    m_cancel->setMinimumWidth(px(1815));
    auto* values = new QGridLayout;
    values->setHorizontalSpacing(px(285));
    values->addWidget(&hits, 0, 0);
    values->addWidget(m_count, 0, 1);
    values->addWidget(&maxTol, 1, 0);
    values->addWidget(m_maxTol, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto* dialog = new QVBoxLayout(this);
    dialog->setSizeConstraint(QLayout::SetFixedSize);
    dialog->setContentsMargins(px(1050), px(420), px(1050), px(300));
    dialog->addLayout(values);
    dialog->addSpacing(px(450));
    dialog->addLayout(buttons);
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
