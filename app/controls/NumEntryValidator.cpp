#include "NumEntryValidator.h"

#include "platform/VbConvert.h"

#include <algorithm>

namespace controls {

void NumEntryValidator::setSettings(Settings settings) {
    if (settings.decimalSeparator.isEmpty()) {
        settings.decimalSeparator = QStringLiteral(".");
    }
    m_settings = std::move(settings);
    emit changed();
}

QValidator::State NumEntryValidator::validate(QString& input, int& /*pos*/) const {
    if (input.isEmpty()) {
        return Acceptable;
    }
    QStringView rest(input);
    const bool negative = rest.startsWith(QLatin1Char('-'));
    if (negative) {
        if (!m_settings.allowNegative) {
            return Invalid;
        }
        rest = rest.mid(1);
    }
    const QString& separator = m_settings.decimalSeparator;
    const qsizetype at = rest.indexOf(separator);
    const QStringView whole = at < 0 ? rest : rest.left(at);
    const QStringView fraction = at < 0 ? QStringView() : rest.mid(at + separator.size());
    auto digitsOnly = [](QStringView part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (!digitsOnly(whole) || !digitsOnly(fraction) || whole.size() > m_settings.front ||
        fraction.size() > m_settings.back || (at >= 0 && m_settings.back <= 0)) {
        return Invalid;
    }
    if (whole.isEmpty() && fraction.isEmpty()) {
        return Intermediate; // "-" or a lone separator while typing
    }
    std::optional<double> value;
    try {
        value = platform::parseNumber(input.toStdString(), separator.toStdString());
    } catch (...) {
        return Invalid; // beyond a Double
    }
    if (!value) {
        return Intermediate;
    }
    return *value > m_settings.max ? Invalid : Acceptable;
}

} // namespace controls
