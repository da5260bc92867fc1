#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace composition {

/// One criterion as a saved analysis holds it: the seven fields of a row line, in the notation of
/// the machine that wrote them. SearchMethod is "inside" or "outside".
struct AnalysisRow {
    std::string Element;
    std::string MinValue;
    std::string MaxValue;
    std::string SingleValue;
    std::string ToleranceMin;
    std::string ToleranceMax;
    std::string SearchMethod = "outside";

    friend bool operator==(const AnalysisRow&, const AnalysisRow&) = default;
};

/// A saved analysis: the three header values the panel hands over (country symbol, analysis
/// designation, material number) and the criteria rows in grid order.
struct Analysis {
    std::string Country;
    std::string Designation;
    std::string MaterialNo;
    std::vector<AnalysisRow> Rows;

    friend bool operator==(const Analysis&, const Analysis&) = default;
};

/// The saved-analysis file (*.anl): the line "Analyse", the three header values, then one line per
/// criterion of seven fields joined by ";", every line ended by CR LF. Written as UTF-8 through a
/// temporary file renamed over the old one, so a failed save leaves the old file whole; read as
/// UTF-8 or, when the bytes are not UTF-8, as Windows-1252 (files of Windows installations). A file
/// that is not text, lacks the title line or has a line too long for a criterion is refused before
/// anything of it is used. Stateless; throws nothing.
class AnalysisFile {
public:
    enum class Status {
        Loaded,
        /// Unreadable, not text, or without the title line.
        NotAnAnalysis,
        /// Fewer than the four head lines, or a line longer than any criterion can be.
        Damaged
    };

    /// The longest line, in characters, a criterion can take, also as saved again with all its
    /// fields; longer lines mark a damaged file.
    static constexpr std::size_t MaxLineLength = 512;
    /// The largest file read at all.
    static constexpr std::size_t MaxFileSize = 1024 * 1024;

    /// The whole file text.
    [[nodiscard]] static std::string Format(const Analysis& analysis);
    /// False when the file could not be written; the old file then stays as it was.
    [[nodiscard]] static bool Write(const std::filesystem::path& file, const Analysis& analysis);

    /// Reads the file into `analysis` (replaced only when Loaded). Every "," and "." of a row line
    /// becomes `decimalSeparator`; fields are trimmed, missing ones empty, a seventh field takes the
    /// rest of the line; the method is read without regard to case and anything but "inside" is
    /// "outside".
    [[nodiscard]] static Status Read(const std::filesystem::path& file, const std::string& decimalSeparator,
                                     Analysis& analysis);
    [[nodiscard]] static Status Parse(std::string_view bytes, const std::string& decimalSeparator,
                                      Analysis& analysis);

    /// The bytes as UTF-8: themselves without a byte-order mark when they are UTF-8, else read as
    /// Windows-1252.
    [[nodiscard]] static std::string DecodeText(std::string_view bytes);

    /// True when every row fits the simple grid: no range searched "inside" and one tolerance.
    [[nodiscard]] static bool FitsSimpleGrid(const Analysis& analysis);
};

} // namespace composition
