#pragma once

#include <QValidator>

namespace controls {

/// What a number field accepts: an optional minus (when negatives are allowed), at most `front`
/// digits, then, when `back` is above 0, one decimal separator and at most `back` digits; and no
/// value above `max`. The empty text is accepted (an empty field). A lone minus or a text ending in
/// the separator is accepted while typing. Any other text is refused, so that typed and pasted
/// characters beyond these settings never reach the field.
class NumEntryValidator : public QValidator {
    Q_OBJECT

public:
    struct Settings {
        int front = 9;
        int back = 0;
        double max = 999999999.0;
        bool allowNegative = false;
        QString decimalSeparator = QStringLiteral(".");
    };

    explicit NumEntryValidator(QObject* parent = nullptr) : QValidator(parent) {}

    [[nodiscard]] const Settings& settings() const { return m_settings; }
    void setSettings(Settings settings);

    State validate(QString& input, int& pos) const override;

private:
    Settings m_settings;
};

} // namespace controls
