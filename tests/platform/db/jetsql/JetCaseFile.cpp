#include "JetCaseFile.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace jetcases {
namespace {

enum class Block { None, Setup, Query, Expect, ExpectError };

std::string trimmedRight(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) {
        s.pop_back();
    }
    return s;
}

} // namespace

CaseFile readCaseFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    CaseFile file;
    file.path = path;
    Block block = Block::None;
    std::string pendingSetup;
    CaseQuery* current = nullptr;
    const auto fail = [&](int line, const std::string& why) {
        throw std::runtime_error(path.string() + ":" + std::to_string(line) + ": " + why);
    };
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string directive = trimmedRight(line);
        if (directive == "@setup") {
            block = Block::Setup;
            continue;
        }
        if (directive == "@query") {
            file.queries.push_back(CaseQuery{});
            current = &file.queries.back();
            current->setup = std::move(pendingSetup);
            pendingSetup.clear();
            current->line = number;
            block = Block::Query;
            continue;
        }
        if (directive == "@expect" || directive == "@expect-error") {
            if (current == nullptr || block != Block::Query) {
                fail(number, directive + " without a @query before it");
            }
            block = directive == "@expect" ? Block::Expect : Block::ExpectError;
            current->hasExpectation = true;
            continue;
        }
        if (!line.empty() && line.front() == '#') {
            continue;
        }
        if (block == Block::Expect) {
            current->expectedRows.push_back(line);
            continue;
        }
        switch (block) {
        case Block::None:
            if (!directive.empty()) {
                fail(number, "text outside a block");
            }
            break;
        case Block::Setup:
            pendingSetup += line + "\n";
            break;
        case Block::Query:
            current->query += (current->query.empty() ? "" : "\n") + line;
            break;
        case Block::ExpectError:
            if (!directive.empty()) {
                if (directive.find_first_not_of("0123456789") != std::string::npos) {
                    fail(number, "not an error number: " + directive);
                }
                if (current->expectedError) {
                    fail(number, "more than one error number");
                }
                current->expectedError = std::stoi(directive);
            }
            break;
        case Block::Expect:
            break;
        }
    }
    for (CaseQuery& q : file.queries) {
        while (!q.expectedRows.empty() && trimmedRight(q.expectedRows.back()).empty()) {
            q.expectedRows.pop_back();
        }
        if (!q.hasExpectation) {
            fail(q.line, "@query without @expect or @expect-error");
        }
        if (q.expectedError && !q.expectedRows.empty()) {
            fail(q.line, "a query expects both rows and an error");
        }
        while (!q.query.empty() && (q.query.back() == '\n' || q.query.back() == ' ')) {
            q.query.pop_back();
        }
        if (q.query.empty()) {
            fail(q.line, "empty @query");
        }
    }
    if (file.queries.empty()) {
        fail(number, "no @query in the file");
    }
    return file;
}

std::vector<std::filesystem::path> caseFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".case") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace jetcases
