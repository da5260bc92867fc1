#include "EqualityKeys.h"

#include "platform/db/JetErrors.h"

#include <cmath>
#include <cstring>
#include <unicode/ucol.h>
#include <unicode/ustring.h>
#include <vector>

namespace platform::db {

void EqualityKeys::CollatorCloser::operator()(UCollator* c) const noexcept {
    ucol_close(c);
}

EqualityKeys::EqualityKeys() {
    UErrorCode status = U_ZERO_ERROR;
    m_collator.reset(ucol_open("", &status));
    if (U_FAILURE(status)) {
        throw CallError(jet::ReservedError, "DAO.Recordset",
                        std::string("ICU collator unavailable: ") + u_errorName(status));
    }
    ucol_setStrength(m_collator.get(), UCOL_SECONDARY); // as JETTEXT compares
}

EqualityKeys::~EqualityKeys() = default;

EqualityKeys::Result EqualityKeys::key(const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        return {Outcome::NeverEqual, {}};
    case Variant::Type::Integer:
        return {Outcome::Key, "n" + std::to_string(value.asInteger())};
    case Variant::Type::Double: {
        const double d = value.asDouble();
        if (std::floor(d) == d && std::fabs(d) < 9.0e18) {
            return {Outcome::Key, "n" + std::to_string(static_cast<std::int64_t>(d))};
        }
        std::string bits(sizeof d, '\0');
        std::memcpy(bits.data(), &d, sizeof d);
        return {Outcome::Key, "d" + bits};
    }
    case Variant::Type::Text: {
        const std::string& text = value.asText();
        UErrorCode status = U_ZERO_ERROR;
        int32_t length = 0;
        u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
        if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
            return {Outcome::Unknown, {}};
        }
        std::vector<UChar> utf16(static_cast<std::size_t>(length) + 1);
        status = U_ZERO_ERROR;
        u_strFromUTF8(utf16.data(), static_cast<int32_t>(utf16.size()), &length, text.data(),
                      static_cast<int32_t>(text.size()), &status);
        if (U_FAILURE(status)) {
            return {Outcome::Unknown, {}};
        }
        std::string sortKey(64, '\0');
        auto* out = reinterpret_cast<uint8_t*>(sortKey.data());
        int32_t needed = ucol_getSortKey(m_collator.get(), utf16.data(), length, out,
                                         static_cast<int32_t>(sortKey.size()));
        if (needed > static_cast<int32_t>(sortKey.size())) {
            sortKey.resize(static_cast<std::size_t>(needed));
            out = reinterpret_cast<uint8_t*>(sortKey.data());
            needed = ucol_getSortKey(m_collator.get(), utf16.data(), length, out, needed);
        }
        sortKey.resize(static_cast<std::size_t>(needed));
        return {Outcome::Key, "t" + sortKey};
    }
    case Variant::Type::Boolean:
    case Variant::Type::Date:
        break;
    }
    return {Outcome::Unknown, {}};
}

} // namespace platform::db
