#include "platform/CallError.h"

#include <array>

namespace platform::err {
namespace {

#define GK_RUNTIME_ERROR(name, text)                                                                         \
    CatalogueEntry {                                                                                         \
        name, #name, text                                                                                    \
    }

// In number order; a test holds the numbers, names and texts unique.
constexpr std::array entries{
    GK_RUNTIME_ERROR(InvalidProcedureCall, "Invalid procedure call or argument"),
    GK_RUNTIME_ERROR(Overflow, "Overflow"),
    GK_RUNTIME_ERROR(OutOfMemory, "Out of memory"),
    GK_RUNTIME_ERROR(SubscriptOutOfRange, "Subscript out of range"),
    GK_RUNTIME_ERROR(DivisionByZero, "Division by zero"),
    GK_RUNTIME_ERROR(TypeMismatch, "Type mismatch"),
    GK_RUNTIME_ERROR(FileNotFound, "File not found"),
    GK_RUNTIME_ERROR(PathFileAccessError, "Path/File access error"),
    GK_RUNTIME_ERROR(ObjectNotSet, "Object variable or With block variable not set"),
    GK_RUNTIME_ERROR(InvalidPatternString, "Invalid pattern string"),
    GK_RUNTIME_ERROR(InvalidUseOfNull, "Invalid use of Null"),
    GK_RUNTIME_ERROR(KeyAlreadyExists, "This key is already associated with an element of this collection"),
    GK_RUNTIME_ERROR(PrinterError, "Printer error"),
    GK_RUNTIME_ERROR(ElementNotFound, "Element not found"),
};

#undef GK_RUNTIME_ERROR

} // namespace

std::span<const CatalogueEntry> catalogue() {
    return entries;
}

std::string_view text(std::int32_t number) {
    for (const CatalogueEntry& e : entries) {
        if (e.number == number) {
            return e.text;
        }
    }
    return {};
}

CallError error(std::int32_t number, std::string source) {
    return CallError(number, std::move(source), std::string(text(number)));
}

} // namespace platform::err
