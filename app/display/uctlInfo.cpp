#include "uctlInfo.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace display {

uctlInfo::uctlInfo(QWidget* parent) : InfoPanel(parent), m_text(new QPlainTextEdit(this)) {
    m_text->setObjectName(QStringLiteral("txtInfo"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
}

uctlInfo::~uctlInfo() = default;

void uctlInfo::setText(const QString& text) {
    InfoPanel::setText(text);
    QString shown = text;
    m_text->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString uctlInfo::shownText() const {
    return m_text->toPlainText();
}

} // namespace display
