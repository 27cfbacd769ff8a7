// The manual, doc/help.html, ships beside the program: every local link and picture it
// names must be there, every in-page link must find its anchor, and every picture under
// doc/ must be shown somewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path docFolder = DOC_DIR;

std::string pageText()
{
    std::ifstream in(docFolder / "help.html", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The values of every attribute called name, as written.
std::vector<std::string> attributeValues(const std::string& html, const std::string& name)
{
    const std::regex attribute("\\s" + name + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    std::vector<std::string> values;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), attribute);
         it != std::sregex_iterator(); ++it) {
        values.push_back((*it)[1].str());
    }
    return values;
}

bool isRemote(const std::string& link)
{
    return link.rfind("http://", 0) == 0 || link.rfind("https://", 0) == 0
        || link.rfind("mailto:", 0) == 0;
}

std::vector<std::string> localLinks(const std::string& html)
{
    std::vector<std::string> links;
    for (const char* name : { "href", "src" }) {
        for (const std::string& link : attributeValues(html, name)) {
            if (!isRemote(link)) {
                links.push_back(link);
            }
        }
    }
    return links;
}

} // namespace

TEST(HelpLinks, EveryLocalLinkAndPictureExists)
{
    const std::string html = pageText();
    const std::vector<std::string> links = localLinks(html);
    ASSERT_GT(links.size(), 20u) << "the page or its links could not be read";
    for (const std::string& link : links) {
        const std::string file = link.substr(0, link.find('#'));
        if (file.empty()) {
            continue;
        }
        EXPECT_FALSE(fs::path(file).is_absolute()) << link << " must be relative to doc/";
        EXPECT_EQ(file.find(".."), std::string::npos) << link << " leaves doc/";
        EXPECT_TRUE(fs::is_regular_file(docFolder / file)) << link << " is missing";
    }
}

TEST(HelpLinks, EveryInPageLinkFindsItsAnchor)
{
    const std::string html = pageText();
    const std::vector<std::string> ids = attributeValues(html, "id");
    const std::set<std::string> anchors(ids.begin(), ids.end());
    EXPECT_EQ(anchors.size(), ids.size()) << "an id is given twice";
    std::size_t inPage = 0;
    for (const std::string& link : attributeValues(html, "href")) {
        if (link.rfind('#', 0) == 0) {
            ++inPage;
            EXPECT_TRUE(anchors.count(link.substr(1))) << link << " has no anchor";
        }
    }
    EXPECT_GT(inPage, 10u);
}

TEST(HelpLinks, EveryPictureUnderDocIsShown)
{
    const std::vector<std::string> sources = attributeValues(pageText(), "src");
    const std::set<std::string> shown(sources.begin(), sources.end());
    for (const auto& entry : fs::recursive_directory_iterator(docFolder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".png" || extension == ".svg") {
            const std::string relative = fs::relative(entry.path(), docFolder).generic_string();
            EXPECT_TRUE(shown.count(relative)) << relative << " is not on the page";
        }
    }
}
