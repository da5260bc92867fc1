#include "NumEntry.h"

#include "KeyCodes.h"
#include "platform/UserLocale.h"
#include "platform/VbConvert.h"

#include <QKeyEvent>
#include <QTimer>
#include <cmath>

namespace controls {

NumEntry::NumEntry(QWidget* parent) : QLineEdit(parent) {
    m_validator = new NumEntryValidator(this);
    NumEntryValidator::Settings settings;
    settings.decimalSeparator = QString::fromStdString(platform::UserLocale::currentDecimalSeparator());
    m_validator->setSettings(settings);
    setValidator(m_validator);
    connect(this, &QLineEdit::textEdited, this, &NumEntry::Change);
}

void NumEntry::setFrontNumbers(int digits) {
    changeSettings([digits](auto& s) { s.front = std::max(0, digits); });
}

void NumEntry::setBackNumbers(int digits) {
    changeSettings([digits](auto& s) { s.back = std::max(0, digits); });
}

void NumEntry::setMax(double max) {
    changeSettings([max](auto& s) { s.max = max; });
}

void NumEntry::setAllowNegative(bool allow) {
    changeSettings([allow](auto& s) { s.allowNegative = allow; });
}

void NumEntry::setAlignmentCode(int code) {
    m_alignment = code;
    const Qt::Alignment horizontal =
        code == 1 ? Qt::AlignRight : (code == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
    setAlignment(horizontal | Qt::AlignVCenter);
}

void NumEntry::setDecimalSeparator(const QString& separator) {
    changeSettings([&separator](auto& s) { s.decimalSeparator = separator; });
}

void NumEntry::setEntryText(const QString& text) {
    QString candidate = text;
    int pos = 0;
    setText(m_validator->validate(candidate, pos) == QValidator::Invalid ? QString() : candidate);
}

std::optional<double> NumEntry::value() const {
    try {
        return platform::parseNumber(text().toStdString(), decimalSeparator().toStdString());
    } catch (...) {
        return std::nullopt;
    }
}

void NumEntry::setValue(double value) {
    QString shown = QString::number(value, 'f', backNumbers());
    if (shown.contains(QLatin1Char('.'))) {
        while (shown.endsWith(QLatin1Char('0'))) {
            shown.chop(1);
        }
        if (shown.endsWith(QLatin1Char('.'))) {
            shown.chop(1);
        }
        shown.replace(QLatin1Char('.'), decimalSeparator());
    }
    if (shown == QLatin1String("-0")) {
        shown = QStringLiteral("0");
    }
    setEntryText(shown);
}

int NumEntry::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void NumEntry::setSelStart(int start) {
    setCursorPosition(start);
}

void NumEntry::setSelLength(int length) {
    setSelection(SelStart(), length);
}

QColor NumEntry::BackColor() const {
    return palette().color(QPalette::Base);
}

void NumEntry::setBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

bool NumEntry::event(QEvent* event) {
    if (m_ownerHandlesTab && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            // The owner moves to the next cell; Qt's own focus chain must not move first.
            emit KeyDown(KeyCode::Tab, shiftStateOf(key->modifiers()));
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void NumEntry::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(keyCodeOf(*event), shiftStateOf(event->modifiers()));
    // The separator key of the number pad gives the user's separator, whatever the keyboard says.
    if (event->modifiers().testFlag(Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period)) {
        QKeyEvent local(QEvent::KeyPress, 0, Qt::NoModifier, decimalSeparator());
        QLineEdit::keyPressEvent(&local);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumEntry::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit GotFocus();
}

void NumEntry::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
        return; // a context menu or another window: the field is not being left
    }
    bool cancel = false;
    emit Validate(cancel);
    if (cancel) {
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
        return;
    }
    if (m_formatEnabled) {
        const QString tidy = formatted(text());
        if (tidy != text()) {
            setText(tidy);
        }
    }
    emit LostFocus();
}

void NumEntry::changeSettings(const std::function<void(NumEntryValidator::Settings&)>& change) {
    NumEntryValidator::Settings settings = m_validator->settings();
    change(settings);
    m_validator->setSettings(settings);
    if (!hasAcceptableInput() && !text().isEmpty()) {
        setEntryText(text());
    }
}

QString NumEntry::formatted(const QString& text) const {
    const QString separator = decimalSeparator();
    if (!value().has_value()) {
        return text == QLatin1String("-") || text == separator ? QString() : text;
    }
    const bool negative = text.startsWith(QLatin1Char('-'));
    QString rest = negative ? text.mid(1) : text;
    const qsizetype at = rest.indexOf(separator);
    QString whole = at < 0 ? rest : rest.left(at);
    const QString fraction = at < 0 ? QString() : rest.mid(at + separator.size());
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0'))) {
        whole.remove(0, 1);
    }
    if (whole.isEmpty()) {
        whole = QStringLiteral("0");
    }
    QString result = whole;
    if (!fraction.isEmpty()) {
        result += separator + fraction;
    }
    const bool zero = std::all_of(result.begin(), result.end(),
                                  [&](QChar c) { return c == u'0' || separator.contains(c); });
    return (negative && !zero ? QStringLiteral("-") : QString()) + result;
}

} // namespace controls
