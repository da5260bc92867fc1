#include "AnalysisFile.h"

#include "platform/AtomicFile.h"
#include "platform/TextCase.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace composition {

namespace {

constexpr std::string_view Title = "Analyse";
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    return platform::trimBlanks(text);
}

/// Length of the UTF-8 sequence that starts at `i`, 0 when it is not a well-formed one.
std::size_t utf8Sequence(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(s[k]);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    constexpr std::array<std::uint32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto length = utf8Sequence(s, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The characters of Windows-1252 at 0x80 to 0x9F; the five unassigned bytes keep their own value.
constexpr std::array<std::uint16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isControl(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F;
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        out.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return out;
}

/// Characters of UTF-8 text: the bytes that start one.
std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string rowLine(const AnalysisRow& row) {
    std::string line;
    for (const auto* field : {&row.Element, &row.MinValue, &row.MaxValue, &row.SingleValue, &row.ToleranceMin,
                              &row.ToleranceMax}) {
        line += *field;
        line += ';';
    }
    return line + row.SearchMethod;
}

AnalysisRow parseRow(std::string_view line, const std::string& decimalSeparator) {
    std::string text;
    for (const char c : line) {
        if (c == ',' || c == '.') {
            text += decimalSeparator;
        } else {
            text += c;
        }
    }
    std::array<std::string, 7> fields;
    std::string_view rest = text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto cut = i + 1 < fields.size() ? rest.find(';') : std::string_view::npos;
        fields[i] = std::string(trim(rest.substr(0, cut)));
        if (cut == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(cut + 1);
    }
    AnalysisRow row{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], "outside"};
    if (platform::lowerCase(fields[6]) == "inside") {
        row.SearchMethod = "inside";
    }
    return row;
}

} // namespace

std::string AnalysisFile::Format(const Analysis& analysis) {
    std::string text;
    for (const auto& head :
         {std::string(Title), analysis.Country, analysis.Designation, analysis.MaterialNo}) {
        text += head;
        text += LineEnd;
    }
    for (const auto& row : analysis.Rows) {
        text += rowLine(row);
        text += LineEnd;
    }
    return text;
}

bool AnalysisFile::Write(const std::filesystem::path& file, const Analysis& analysis) {
    return platform::AtomicFile::write(file, Format(analysis));
}

AnalysisFile::Status AnalysisFile::Read(const std::filesystem::path& file,
                                        const std::string& decimalSeparator, Analysis& analysis) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return Status::NotAnAnalysis;
    }
    std::string bytes(MaxFileSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > MaxFileSize) {
        return Status::NotAnAnalysis;
    }
    return Parse(bytes, decimalSeparator, analysis);
}

AnalysisFile::Status AnalysisFile::Parse(std::string_view bytes, const std::string& decimalSeparator,
                                         Analysis& analysis) {
    if (std::any_of(bytes.begin(), bytes.end(),
                    [](char c) { return isControl(static_cast<unsigned char>(c)); })) {
        return Status::NotAnAnalysis;
    }
    const auto text = DecodeText(bytes);
    const auto all = lines(text);
    if (all.empty() || trim(all.front()) != Title) {
        return Status::NotAnAnalysis;
    }
    // Lengths count characters, so a file of Windows-1252 bytes saved again as UTF-8 still reads.
    if (all.size() < 4 || std::any_of(all.begin(), all.end(), [](std::string_view line) {
            return characters(line) > MaxLineLength;
        })) {
        return Status::Damaged;
    }
    Analysis read;
    read.Country = std::string(trim(all[1]));
    read.Designation = std::string(trim(all[2]));
    read.MaterialNo = std::string(trim(all[3]));
    for (std::size_t i = 4; i < all.size(); ++i) {
        if (trim(all[i]).empty()) {
            continue;
        }
        auto row = parseRow(all[i], decimalSeparator);
        // Saved again, the row gains its missing separators and method: it must still read back.
        if (characters(rowLine(row)) > MaxLineLength) {
            return Status::Damaged;
        }
        read.Rows.push_back(std::move(row));
    }
    analysis = std::move(read);
    return Status::Loaded;
}

std::string AnalysisFile::DecodeText(std::string_view bytes) {
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        bytes.remove_prefix(ByteOrderMark.size());
    }
    if (isUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            appendUtf8(out, windows1252High[byte - 0x80]);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

bool AnalysisFile::FitsSimpleGrid(const Analysis& analysis) {
    return std::none_of(analysis.Rows.begin(), analysis.Rows.end(), [](const AnalysisRow& row) {
        const bool insideRange =
            row.SearchMethod == "inside" && row.SingleValue.empty() && row.MinValue != row.MaxValue;
        const bool twoTolerances = !row.ToleranceMax.empty() && row.ToleranceMax != row.ToleranceMin;
        return insideRange || twoTolerances;
    });
}

} // namespace composition
