#include "objects/XmlPropertyBagBuilder.h"

#include "PropertyBagHeader.h"
#include "common/Helper.h"
#include "objects/PropertyBag.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <pugixml.hpp>
#include <string>

namespace orvik::objects {

using common::Helper;
using platform::Variant;

namespace {

// Raised for a matrix that cannot be read; the number of MSXML's parse error is of no use here.
constexpr std::int32_t MatrixUnreadable = platform::err::InvalidProcedureCall;

// An attribute's text without blanks at both ends: Null when blank; a missing attribute reads as
// a blank one.
Variant attributeValue(const pugi::xml_node& value, const char* name) {
    return Helper::CStrVar(value.attribute(name).value());
}

void readText(const pugi::xml_node& value, const char* name, std::string& member) {
    const auto text = attributeValue(value, name);
    if (!text.isNull()) {
        member = text.asText();
    }
}

// The matrix writes decimals with a point, whatever the user's separator `separator` is.
void readDecimal(const pugi::xml_node& value, const char* name, Variant& member,
                 const std::string& separator) {
    const auto text = attributeValue(value, name);
    if (text.isNull()) {
        member = text;
        return;
    }
    std::string local;
    for (const char c : text.asText()) {
        if (c == '.') {
            local += separator;
        } else {
            local += c;
        }
    }
    try {
        member = Variant(Helper::Str2Dbl(local, separator));
    } catch (const platform::CallError&) {
        // An unconvertible value leaves the member without a value; the property is still added.
    }
}

void readWhole(const pugi::xml_node& value, const char* name, std::int32_t& member) {
    const auto text = attributeValue(value, name);
    if (text.isNull()) {
        return;
    }
    try {
        member = platform::CLng(text);
    } catch (const platform::CallError&) {
    }
}

// Marks separated by line feeds are shown one per line, without a line break after the last.
std::string footnoteSymbols(const std::string& marks) {
    std::string result;
    for (const char c : marks) {
        if (c == '\n') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    if (result.size() >= 2 && result.ends_with("\r\n")) {
        result.resize(result.size() - 2);
    }
    return result;
}

// `separator`: the user's decimal separator, read once for the whole matrix.
std::shared_ptr<Property> readProperty(const pugi::xml_node& value, const std::string& separator) {
    const auto readNumber = [&](const char* name, Variant& member) {
        readDecimal(value, name, member, separator);
    };
    auto property = std::make_shared<Property>();
    readWhole(value, "E", property->propertyId);
    readText(value, "NE", property->Name);
    readText(value, "Z", property->Status);
    readNumber("ZTn", property->StatusTemp_min);
    readNumber("ZTx", property->StatusTemp_max);
    readText(value, "F", property->FORM);
    readNumber("An", property->Metrics_min);
    readNumber("Ax", property->Metrics_max);
    readNumber("n", property->Value_min);
    readNumber("x", property->Value_max);
    readText(value, "U", property->unit);
    readText(value, "P", property->Specimen);
    readNumber("Tn", property->Temp_min);
    readNumber("Tx", property->Temp_max);
    readNumber("Dn", property->Duration_min);
    readNumber("Dx", property->Duration_max);
    readText(value, "D", property->DurationUnit);
    readText(value, "A", property->Cooling);
    property->Formula_Sign = Variant(std::string());
    readText(value, "K", property->Classification);
    std::string marks;
    readText(value, "FZ", marks);
    property->Footnote_Symbol = footnoteSymbols(marks);
    return property;
}

[[noreturn]] void fail(std::string_view matrix, const std::string& what) {
    throw platform::CallError(MatrixUnreadable, "XmlPropertyBagBuilder",
                              "The property matrix " + std::string(matrix) + " cannot be read: " + what);
}

pugi::xpath_node_set select(const pugi::xml_document& document, const std::string& path,
                            std::string_view matrix) {
    try {
        return document.select_nodes(path.c_str());
    } catch (const pugi::xpath_exception& e) {
        fail(matrix, std::string("the filter is not valid (") + e.what() + ")");
    }
}

} // namespace

std::shared_ptr<PropertyBag> XmlPropertyBagBuilder::CreatePropertyBag(
    common::Language /*language*/, const platform::db::Recordset& kindRow,
    const platform::db::Recordset& standardRow, std::string_view matrixText, std::string_view filter) const {
    // A standard without values of this kind has no matrix text at all; that is no fault.
    if (platform::trimBlanks(matrixText).empty()) {
        return nullptr;
    }
    const auto matrix = Helper::CVarStr(standardRow.field("Matrix"));
    pugi::xml_document document;
    const auto parsed = document.load_buffer(matrixText.data(), matrixText.size());
    if (!parsed) {
        fail(matrix, std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset));
    }
    std::string path = "//Eigenschaften/Wert";
    if (!filter.empty()) {
        path += "[" + std::string(filter) + "]";
    }
    const auto values = select(document, path, matrix);
    if (values.empty()) {
        return nullptr;
    }
    auto bag = std::make_shared<PropertyBag>();
    fillPropertyBagHeader(*bag, kindRow, standardRow, true);
    const auto separator = Helper::GetDecimalString();
    for (const auto& value : values) {
        bag->Properties->Add(readProperty(value.node(), separator));
    }
    for (const auto& note : document.select_nodes("//Eigenschaften/Fussnoten/Fussnote")) {
        const auto symbol = Helper::CVarStr(attributeValue(note.node(), "FZ"));
        const auto text = Helper::CVarStr(attributeValue(note.node(), "B"));
        // A mark without its text still belongs to the values that carry it.
        if (symbol.empty() && text.empty()) {
            continue;
        }
        auto footnote = std::make_shared<Footnote>();
        footnote->Symbol = symbol;
        footnote->Footnote = text;
        bag->Footnotes->Add(std::move(footnote));
    }
    return bag;
}

} // namespace orvik::objects
