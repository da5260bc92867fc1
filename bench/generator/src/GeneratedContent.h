#pragma once

// The fixed vocabulary of generated databases and the helpers both writers share.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace generator {

using Id = std::int64_t;
using OptionalId = std::optional<Id>;
using OptionalReal = std::optional<double>;
using OptionalText = std::optional<std::string>;

struct Country {
    Id id;
    bool european;
    bool offered;
};

// The ids the program's country rules name (34 and its members 32 and 18; 30 with 52 and 53;
// 16) and a few more; one is not offered in the country filter.
constexpr std::array<Country, 12> countries{{{5, true, true},
                                             {16, true, true},
                                             {17, true, true},
                                             {18, true, true},
                                             {30, false, true},
                                             {32, true, true},
                                             {34, true, true},
                                             {52, false, true},
                                             {53, false, true},
                                             {60, false, true},
                                             {61, false, true},
                                             {62, false, false}}};

struct ElementSpec {
    const char* symbol;
    int decimals;
};

constexpr std::array<ElementSpec, 33> elements{
    {{"C", 2},  {"Si", 2}, {"Mn", 2}, {"P", 3},  {"S", 3},  {"N", 3},  {"Al", 3}, {"As", 3}, {"B", 4},
     {"Bi", 3}, {"Ca", 3}, {"Ce", 3}, {"Co", 2}, {"Cr", 2}, {"Cu", 2}, {"Fe", 0}, {"H", 4},  {"Mg", 3},
     {"Mo", 2}, {"Nb", 2}, {"Ni", 2}, {"O", 4},  {"Pb", 2}, {"Sb", 3}, {"Se", 2}, {"Sn", 3}, {"Ta", 2},
     {"Te", 3}, {"Ti", 2}, {"V", 2},  {"W", 2},  {"Zn", 3}, {"Zr", 2}}};

// Alloying elements a generated composition picks from, with their usual ranges in percent.
struct AlloySpec {
    const char* symbol;
    double low;
    double high;
};
constexpr std::array<AlloySpec, 10> alloys{{{"Cr", 0.3, 26.0},
                                            {"Ni", 0.3, 30.0},
                                            {"Mo", 0.1, 5.0},
                                            {"V", 0.05, 2.0},
                                            {"W", 0.1, 18.0},
                                            {"Co", 0.5, 10.0},
                                            {"Ti", 0.05, 0.8},
                                            {"Nb", 0.05, 1.0},
                                            {"Cu", 0.1, 3.0},
                                            {"Al", 0.02, 1.5}}};

constexpr int groupsPerMain = 3;
constexpr int mainGroups = 10;
constexpr int standardCount = 2000;
constexpr int supplierCount = 300;
constexpr int productShapeCount = 8;
constexpr int footnoteCount = 200;
constexpr int compositionFootnoteCount = 100;
constexpr int remarkCount = 50;
constexpr int infoTitleCount = 6;
constexpr int propertyCount = 30;
constexpr int vocabularySize = 5;
constexpr int statusCount = 3;
constexpr int steelsPerComparisonGroup = 5;

inline Id groupId(int mainGroup, int detail) {
    return 10000 + mainGroup * 100 + detail;
}

inline std::string padded(Id value, int width) {
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') +
           text;
}

// Always with a decimal point, whatever the locale: the XML matrices are written so.
inline std::string decimal(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

// The three language variants of a generated text: German, French, English.
struct Texts {
    std::string d;
    std::string f;
    std::string e;
};
inline Texts texts(const std::string& german, const std::string& french, const std::string& english,
                   Id number) {
    std::string n = " ";
    n += std::to_string(number);
    return {german + n, french + n, english + n};
}

} // namespace generator
