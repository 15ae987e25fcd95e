// Line splitting, field splitting and the 100-byte cut of catalog entries.
#include "app/catalog.h"

#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace wenlocke {
namespace {

std::string G(std::string_view utf8)
{
    return platform::Utf8ToCodePage(utf8, platform::kCodePageGbk);
}

using Fields = std::vector<std::string>;

TEST(SplitFields, FollowsTheFieldRules)
{
    struct Case {
        std::string line;
        Fields fields;
    };
    const Case cases[] = {
        {"g1," + G("家庭"), {"g1", G("家庭")}},
        {"g1,nb7," + G("购物清单"), {"g1", "nb7", G("购物清单")}},
        {"  g1 ,\tnb7\t, " + G("购物清单") + "  ", {"g1", "nb7", G("购物清单")}},
        {",g1,nb7,x", {"g1", "nb7", "x"}},
        {"g1," + G("家庭") + ",", {"g1", G("家庭")}},
        {"g1,nb7, ,x", {"g1", "nb7", "", "x"}},
        {"g1,,nb7", {"g1", "nb7"}},
        {",,,", {}},
        {"", {}},
        {" \t\x01 ", {}},
        {"one", {"one"}},
        {"a , b", {"a", "b"}},
        {"a,\x01\x02,b", {"a", "", "b"}},
        // 0x5C and 0x7C are trail bytes in code page 936 and do not split anything.
        {G("乗,億") + "," + G("億"), {G("乗"), G("億"), G("億")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitFields(c.line), c.fields) << "line: " << c.line;
}

TEST(SplitCatalogLines, EndsLinesAtCrLfCrLfAndNul)
{
    using Lines = std::vector<std::string_view>;
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {std::string("a\r\nb\0c\r\nd", 10), {"a", "b"}},
        {std::string("\0a", 2), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCatalogLines(c.text), c.lines) << "text of " << c.text.size() << " bytes";
}

TEST(MakeFileInfo, CutsNameToWholeCharactersAndIdToBytes)
{
    std::string ascii(120, 'a');
    // 99 ASCII bytes and then a double-byte character straddling the 100-byte limit.
    std::string straddling = std::string(99, 'n') + G("家庭");
    struct Case {
        std::string name, id;
        std::string wantName, wantId;
    };
    const Case cases[] = {
        {"short", "id", "short", "id"},
        {ascii, ascii, ascii.substr(0, 100), ascii.substr(0, 100)},
        {straddling, straddling, std::string(99, 'n'), straddling.substr(0, 100)},
        {std::string(100, 'x'), std::string(100, 'y'), std::string(100, 'x'), std::string(100, 'y')},
        {std::string(98, 'n') + G("家庭"), "", std::string(98, 'n') + G("家"), ""},
    };
    for (const Case& c : cases) {
        TFileInfo info = MakeFileInfo(c.name, c.id);
        EXPECT_EQ(info.Name, c.wantName);
        EXPECT_EQ(info.Id, c.wantId);
    }
}

} // namespace
} // namespace wenlocke
