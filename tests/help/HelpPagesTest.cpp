// The help pages beside the program: every help context number has a section of its own in each
// language, with a heading and a text, reachable from the contents; each page stands alone (no
// scripts, nothing fetched), since the program hands it to whatever browser the desktop has.
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <pugixml.hpp>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct HelpContext {
    int number = 0;
    std::string topic;
};

// One line "number;topic"; blank lines and lines starting with # are skipped. A malformed line
// throws, so a typo in the list cannot silently drop a topic.
std::vector<HelpContext> readContexts(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error("cannot open " + file.string());
    }
    std::vector<HelpContext> contexts;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto separator = line.find(';');
        if (separator == std::string::npos || separator == 0) {
            throw std::runtime_error("malformed help context line: " + line);
        }
        const std::string number = line.substr(0, separator);
        for (const char c : number) {
            if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
                throw std::runtime_error("help context number is not a number: " + line);
            }
        }
        contexts.push_back({std::stoi(number), line.substr(separator + 1)});
    }
    return contexts;
}

const std::vector<HelpContext>& contexts() {
    static const std::vector<HelpContext> list = readContexts(GK_HELP_CONTEXTS);
    return list;
}

struct HelpPage {
    const char* file;
    const char* language;
};

// Names the page in the test output instead of dumping its bytes.
void PrintTo(const HelpPage& page, std::ostream* out) {
    *out << page.file;
}

constexpr std::array kPages{
    HelpPage{"velmo2007_german.html", "de"},
    HelpPage{"velmo2007_english.html", "en"},
    HelpPage{"velmo2007_french.html", "fr"},
};

// The page must be well-formed markup as well as HTML, so that it can be checked here.
void loadPage(const HelpPage& page, pugi::xml_document& document) {
    const auto path = std::filesystem::path(GK_HELP_DIR) / page.file;
    const pugi::xml_parse_result result =
        document.load_file(path.c_str(), pugi::parse_default, pugi::encoding_utf8);
    ASSERT_TRUE(result) << path << ": " << result.description() << " at byte " << result.offset;
}

// All text below a node with runs of white space made one blank, trimmed at both ends.
std::string textOf(const pugi::xml_node node) {
    std::string raw;
    for (const pugi::xpath_node& piece : node.select_nodes(".//text()")) {
        raw += piece.node().value();
        raw += ' ';
    }
    std::string text;
    for (const char c : raw) {
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank && (text.empty() || text.back() == ' ')) {
            continue;
        }
        text += blank ? ' ' : c;
    }
    if (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

pugi::xpath_node_set elementsWithId(const pugi::xml_document& document, const int number) {
    return document.select_nodes(("//*[@id='" + std::to_string(number) + "']").c_str());
}

std::string sectionText(const pugi::xml_document& document, const int number) {
    const pugi::xpath_node_set found = elementsWithId(document, number);
    return found.empty() ? std::string() : textOf(found.first().node());
}

TEST(HelpContextListTest, NumbersAreUniqueWithTopicsAndIncludeTheContents) {
    ASSERT_NO_THROW(contexts());
    std::set<int> seen;
    for (const HelpContext& context : contexts()) {
        EXPECT_TRUE(seen.insert(context.number).second)
            << "help context " << context.number << " listed twice";
        EXPECT_FALSE(context.topic.empty()) << "help context " << context.number << " has no topic";
    }
    EXPECT_TRUE(seen.contains(0)) << "the contents (0) are missing";
    EXPECT_GT(seen.size(), 1U) << "no topic besides the contents";
}

class HelpPageTest : public ::testing::TestWithParam<HelpPage> {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(loadPage(GetParam(), m_document)); }

    pugi::xml_document m_document;
};

TEST_P(HelpPageTest, DeclaresItsLanguageEncodingAndTitle) {
    const pugi::xml_node html = m_document.child("html");
    ASSERT_TRUE(html);
    EXPECT_STREQ(html.attribute("lang").value(), GetParam().language);
    EXPECT_TRUE(m_document.select_node("/html/head/meta[@charset='utf-8' or @charset='UTF-8']"));
    EXPECT_NE(textOf(html.child("head").child("title")).find("Graukant 2007"), std::string::npos);
}

TEST_P(HelpPageTest, EveryContextHasOneSectionWithHeadingAndText) {
    for (const HelpContext& context : contexts()) {
        SCOPED_TRACE("help context " + std::to_string(context.number) + " (" + context.topic + ")");
        const pugi::xpath_node_set found = elementsWithId(m_document, context.number);
        ASSERT_EQ(found.size(), 1U) << "the anchor must name exactly one section";
        const pugi::xml_node section = found.first().node();
        EXPECT_STREQ(section.name(), "section");
        EXPECT_FALSE(textOf(section.child("h2")).empty()) << "no heading";
        // The contents are a list of links; every other topic says in words what it is for.
        const char* const body = context.number == 0 ? ".//li" : ".//p";
        bool hasText = false;
        for (const pugi::xpath_node& part : section.select_nodes(body)) {
            hasText = hasText || !textOf(part.node()).empty();
        }
        EXPECT_TRUE(hasText) << "no text under the heading";
    }
}

TEST_P(HelpPageTest, ContentsLinkToEveryTopicAndEveryLinkResolves) {
    const pugi::xpath_node_set found = elementsWithId(m_document, 0);
    ASSERT_EQ(found.size(), 1U);
    std::set<std::string> linked;
    for (const pugi::xpath_node& link : found.first().node().select_nodes(".//a[@href]")) {
        linked.insert(link.node().attribute("href").value());
        EXPECT_FALSE(textOf(link.node()).empty())
            << "empty link text for " << link.node().attribute("href").value();
    }
    for (const HelpContext& context : contexts()) {
        if (context.number != 0) {
            EXPECT_TRUE(linked.contains("#" + std::to_string(context.number)))
                << "the contents do not link to help context " << context.number;
        }
    }
    for (const pugi::xpath_node& link : m_document.select_nodes("//a[@href]")) {
        const std::string target = link.node().attribute("href").value();
        ASSERT_TRUE(target.starts_with('#')) << target;
        EXPECT_TRUE(m_document.select_node(("//*[@id='" + target.substr(1) + "']").c_str()))
            << "link to a missing anchor " << target;
    }
}

TEST_P(HelpPageTest, HoldsNoSectionOutsideTheContextList) {
    std::set<std::string> listed;
    for (const HelpContext& context : contexts()) {
        listed.insert(std::to_string(context.number));
    }
    for (const pugi::xpath_node& section : m_document.select_nodes("//section")) {
        EXPECT_TRUE(listed.contains(section.node().attribute("id").value()))
            << "section '" << section.node().attribute("id").value() << "' has no help context number";
    }
}

TEST_P(HelpPageTest, StandsAloneWithoutScriptsOrOutsideResources) {
    EXPECT_TRUE(m_document.select_nodes("//script | //link | //iframe | //object | //embed | //img").empty());
    EXPECT_TRUE(m_document.select_nodes("//*[@src]").empty());
    for (const pugi::xpath_node& element : m_document.select_nodes("//*")) {
        for (const pugi::xml_attribute& attribute : element.node().attributes()) {
            EXPECT_FALSE(std::string(attribute.name()).starts_with("on"))
                << "script handler " << attribute.name() << " on " << element.node().name();
        }
    }
    for (const pugi::xpath_node& style : m_document.select_nodes("//style")) {
        const std::string css = textOf(style.node());
        EXPECT_EQ(css.find("url("), std::string::npos) << "the style fetches something";
        EXPECT_EQ(css.find("@import"), std::string::npos) << "the style fetches something";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpPageTest, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<HelpPage>& page) {
                             return std::string(page.param.language);
                         });

// A section copied from another language unchanged would pass every check above.
TEST(HelpPagesTest, EachLanguageHasItsOwnTextPerTopic) {
    std::array<pugi::xml_document, kPages.size()> documents;
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(loadPage(kPages[i], documents[i]));
    }
    for (const HelpContext& context : contexts()) {
        std::map<std::string, const char*> byText;
        for (std::size_t i = 0; i < kPages.size(); ++i) {
            const std::string text = sectionText(documents[i], context.number);
            if (text.empty()) {
                continue; // a missing section is reported by the checks of each page
            }
            const auto [existing, inserted] = byText.emplace(text, kPages[i].language);
            EXPECT_TRUE(inserted) << "help context " << context.number << ": the " << kPages[i].language
                                  << " text is the same as the " << existing->second << " one";
        }
    }
}

} // namespace
