// The saved-analysis reader on any bytes: loaded, not an analysis, or damaged, never a crash. What it
// loads saves to a file that reads back the same, and its text decoding always gives UTF-8.
// Input: one byte choosing the decimal separator, then the file's bytes.

#include "AnalysisFile.h"
#include "FuzzInput.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using composition::Analysis;
using composition::AnalysisFile;

namespace {

/// True when some line of the written text is longer than the reader takes.
bool hasOverlongLine(std::string_view text) {
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        if (text.substr(0, end).size() > AnalysisFile::MaxLineLength) {
            return true;
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 2);
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string separator = (data[0] & 1) != 0 ? "." : ",";
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    // Decoded text is UTF-8: decoding it again changes nothing but a further byte-order mark.
    const auto text = AnalysisFile::DecodeText(bytes);
    if (text.rfind("\xEF\xBB\xBF", 0) != 0 && AnalysisFile::DecodeText(text) != text) {
        fuzz::fail("decoded text is not UTF-8");
    }

    Analysis analysis;
    analysis.Country = "untouched";
    const auto status = AnalysisFile::Parse(bytes, separator, analysis);
    if (status != AnalysisFile::Status::Loaded) {
        if (analysis.Country != "untouched" || !analysis.Rows.empty()) {
            fuzz::fail("a refused file changed the analysis");
        }
        return 0;
    }
    if (std::any_of(analysis.Rows.begin(), analysis.Rows.end(), [](const auto& row) {
            return row.SearchMethod != "inside" && row.SearchMethod != "outside";
        })) {
        fuzz::fail("a row has a search method other than inside or outside");
    }
    const auto written = AnalysisFile::Format(analysis);
    Analysis back;
    const auto reread = AnalysisFile::Parse(written, separator, back);
    if (reread == AnalysisFile::Status::Damaged && hasOverlongLine(written)) {
        fuzz::fail("a loaded analysis saves to a file that does not load");
    }
    if (reread != AnalysisFile::Status::Loaded || !(back == analysis)) {
        fuzz::fail("a loaded analysis does not read back as saved");
    }
    return 0;
}
