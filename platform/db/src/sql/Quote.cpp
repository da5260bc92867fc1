#include "platform/db/Dao.h"

namespace platform::db {

// Jet text literal: single quotes, each inner single quote doubled. A double quote needs nothing
// because the literal is single-quoted.
std::string quoteText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    for (const char c : text) {
        out += c;
        if (c == '\'') {
            out += '\'';
        }
    }
    out += '\'';
    return out;
}

} // namespace platform::db
