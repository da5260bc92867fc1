// The number conversions on any text: Val, the locale's number parser and the VB conversions give a
// value or a clean error, and a parsed number written with CStr parses back to the same number to
// 15 digits. Input: one byte choosing the decimal separator, then the text.

#include "FuzzInput.h"
#include "platform/CallError.h"
#include "platform/UserLocale.h"
#include "platform/Variant.h"
#include "platform/VbConvert.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The separators locales use: point, comma, the Arabic one (two bytes of UTF-8).
    static const std::string separators[] = {".", ",", "\xD9\xAB"};
    const std::string& separator = separators[data[0] % 3];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const platform::UserLocale locale(separator, "en");
    const platform::Variant value(text);

    const auto guarded = [](auto&& call) {
        try {
            call();
        } catch (const platform::CallError&) {
        }
    };
    guarded([&] { (void)platform::Val(text); });
    guarded([&] { (void)platform::CInt(value, locale); });
    guarded([&] { (void)platform::CLng(value, locale); });
    guarded([&] { (void)platform::CDbl(value, locale); });
    guarded([&] { (void)platform::CCur(value, locale); });
    guarded([&] { (void)platform::CStr(value, locale); });
    guarded([&] {
        const std::optional<double> number = platform::parseNumber(text, separator);
        if (!number || !std::isfinite(*number)) {
            return;
        }
        const std::string written = platform::CStr(*number, separator);
        const std::optional<double> again = platform::parseNumber(written, separator);
        if (!again) {
            fuzz::fail("CStr writes a number its parser does not read");
        }
        if (std::fabs(*again - *number) > 1e-14 * std::fabs(*number) + 1e-300) {
            fuzz::fail("a number written and read again changed by more than its 15 digits");
        }
    });
    return 0;
}
