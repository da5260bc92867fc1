#include "platform/db/SqliteExtensions.h"

#include "JetFunctionErrors.h"
#include "JetFunctions.h"
#include "platform/CallError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <unicode/ucol.h>

namespace platform::db {
namespace {

struct CollatorDeleter {
    void operator()(UCollator* c) const noexcept { ucol_close(c); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorDeleter>;

// Secondary strength: case is ignored, accents still count, as Jet compared text.
CollatorPtr openJetCollator() {
    UErrorCode status = U_ZERO_ERROR;
    CollatorPtr collator(ucol_open("", &status));
    if (U_FAILURE(status)) {
        throw CallError(3000, "platform.db", std::string("ICU collator unavailable: ") + u_errorName(status));
    }
    ucol_setStrength(collator.get(), UCOL_SECONDARY);
    return collator;
}

int compareJetText(void* context, int lengthA, const void* a, int lengthB, const void* b) {
    auto* collator = static_cast<UCollator*>(context);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(collator, static_cast<const char*>(a), lengthA,
                                                static_cast<const char*>(b), lengthB, &status);
    if (U_FAILURE(status)) {
        // Invalid UTF-8 must still order consistently: fall back to bytes.
        const int n = std::min(lengthA, lengthB);
        const int c = std::memcmp(a, b, static_cast<size_t>(n));
        return c != 0 ? c : lengthA - lengthB;
    }
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

void destroyCollator(void* context) {
    ucol_close(static_cast<UCollator*>(context));
}

} // namespace

void registerJetExtensions(sqlite3* connection) {
    CollatorPtr collator = openJetCollator();
    const int rc = sqlite3_create_collation_v2(connection, "JETTEXT", SQLITE_UTF8, collator.get(),
                                               &compareJetText, &destroyCollator);
    if (rc != SQLITE_OK) {
        throw CallError(3000, "platform.db", std::string("Cannot register collation: ") + sqlite3_errstr(rc));
    }
    collator.release(); // owned by the connection now
    sql::registerJetFunctions(connection);
}

std::int32_t jetFunctionErrorNumber(std::string_view sqliteMessage) {
    struct Known {
        const char* text;
        std::int32_t number;
    };
    static constexpr Known kKnown[] = {
        {sql::kTypeMismatchText, 3464},
        {sql::kInvalidUseOfNullText, err::InvalidUseOfNull},
        {sql::kInvalidProcedureCallText, err::InvalidProcedureCall},
        {sql::kOverflowText, err::Overflow},
        {sql::kDivisionByZeroText, 11},
        {sql::kInvalidPatternText, 93},
    };
    for (const Known& k : kKnown) {
        if (sqliteMessage == k.text) {
            return k.number;
        }
    }
    return 0;
}

} // namespace platform::db
