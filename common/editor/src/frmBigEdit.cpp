#include "common/editor/frmBigEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace orvik::common::editor {

namespace {

template <typename T> T* named(const char* name, T* widget) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmBigEdit::frmBigEdit(QWidget* parent)
    : QDialog(parent),
      m_lblStandard(named("lblStandard", new QLabel(QStringLiteral("Standard Sprache"), this))),
      m_lblSelfDefine(named("lblSelfDefine", new QLabel(QStringLiteral("selbstdefinierte Sprache"), this))),
      m_txtStandard(named("txtStandard", new QPlainTextEdit(this))),
      m_txtSelfDefine(named("txtSelfDefine", new QLineEdit(this))),
      m_cmdOk(named("cmdOk", new QPushButton(QStringLiteral("&Ok"), this))),
      m_cmdAbbrechen(named("cmdAbbrechen", new QPushButton(QStringLiteral("&Abbrechen"), this))) {
    setObjectName(QStringLiteral("frmBigEdit"));
    setWindowTitle(QStringLiteral("Sprache editieren"));
    setModal(true);

    m_txtStandard->setReadOnly(true);
    m_txtStandard->setTabChangesFocus(true);
    m_txtSelfDefine->setMaxLength(MaxLength);
    m_txtSelfDefine->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), m_txtSelfDefine));
    m_txtSelfDefine->installEventFilter(this);
    m_lblStandard->setBuddy(m_txtStandard);
    m_lblSelfDefine->setBuddy(m_txtSelfDefine);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_lblStandard, 0, 0);
    layout->addWidget(m_txtStandard, 1, 0);
    layout->addWidget(m_lblSelfDefine, 2, 0);
    layout->addWidget(m_txtSelfDefine, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdAbbrechen);
    layout->addLayout(buttons, 4, 0);
    m_cmdOk->setDefault(true);

    connect(m_cmdOk, &QPushButton::clicked, this, [this] {
        m_take = true;
        accept();
    });
    connect(m_cmdAbbrechen, &QPushButton::clicked, this, [this] {
        m_take = false;
        reject();
    });
    resize(420, 200);
}

void frmBigEdit::setStandardText(const QString& text) {
    m_txtStandard->setPlainText(text);
}

QString frmBigEdit::SelfDefineText() const {
    return m_txtSelfDefine->text();
}

void frmBigEdit::setSelfDefineText(const QString& text) {
    m_txtSelfDefine->setText(text);
    m_take = false;
}

void frmBigEdit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_txtSelfDefine->setFocus();
    m_txtSelfDefine->selectAll();
}

bool frmBigEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtSelfDefine && event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, m_txtSelfDefine, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvik::common::editor
