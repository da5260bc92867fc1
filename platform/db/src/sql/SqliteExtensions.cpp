#include "SqliteExtensions.h"

#include "JetFunctions.h"
#include "platform/CallError.h"
#include "platform/db/JetErrors.h"

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
        throw CallError(jet::ReservedError, "platform.db",
                        std::string("ICU collator unavailable: ") + u_errorName(status));
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
        throw CallError(jet::ReservedError, "platform.db",
                        std::string("Cannot register collation: ") + sqlite3_errstr(rc));
    }
    collator.release(); // owned by the connection now
    sql::registerJetFunctions(connection);
}

int connectionOpenFlags(bool readOnly) {
    return (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_EXRESCODE |
           SQLITE_OPEN_NOMUTEX;
}

void applyConnectionSettings(sqlite3* connection, bool readOnly) {
    sqlite3_busy_timeout(connection, 5000);
    if (readOnly) {
        // Without it (an error) reads still work.
        sqlite3_exec(connection, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
    }
}

// SQLite's own extended codes of SQLITE_ERROR are small; ours start far above them.
constexpr int kFunctionErrorBase = 0x10000;
constexpr int kFunctionErrorLimit = 0x7fffff - kFunctionErrorBase; // keeps the code a positive int

int jetFunctionErrorCode(std::int32_t number) {
    if (number <= 0 || number > kFunctionErrorLimit) {
        return SQLITE_ERROR;
    }
    return SQLITE_ERROR | ((kFunctionErrorBase + number) << 8);
}

std::int32_t jetFunctionErrorNumber(int extendedResultCode) {
    if ((extendedResultCode & 0xff) != SQLITE_ERROR) {
        return 0;
    }
    const int number = (extendedResultCode >> 8) - kFunctionErrorBase;
    return number > 0 && number <= kFunctionErrorLimit ? number : 0;
}

} // namespace platform::db
