// List marker counters and texts, and the list format strings they are built from.
#include "vellum/layout/marker_numbering.h"

#include "vellum/document/marker_item_info.h"
#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vellum {
namespace {

struct Level {
    TRVListType type;
    std::string format;
    int32_t startFrom = 1;
    bool levelReset = true;
    bool legal = false;
};

void AddList(TRVStyle& style, const std::vector<Level>& levels)
{
    TRVListInfo& list = style.ListStyles().Add();
    for (const Level& wanted : levels) {
        TRVListLevel& level = list.Levels.Add();
        level.ListType = wanted.type;
        level.FormatString = wanted.format;
        level.StartFrom = wanted.startFrom;
        level.Options = {rvloContinuous};
        if (wanted.levelReset)
            level.Options.Include(rvloLevelReset);
        if (wanted.legal)
            level.Options.Include(rvloLegalStyleNumbering);
    }
}

// Markers given as (list, level), numbered together; returns their texts.
class Markers {
public:
    explicit Markers(const std::vector<std::pair<int32_t, int32_t>>& markers)
    {
        for (auto [listNo, level] : markers)
            Add(listNo, level, 1, false);
    }
    void Add(int32_t listNo, int32_t level, int32_t startFrom, bool reset)
    {
        FItems.push_back(std::make_unique<TRVMarkerItemInfo>(nullptr, listNo, level, startFrom, reset));
        FList.InsertAt(FList.Count(), FItems.back().get());
    }
    std::vector<std::string> Texts(const TRVStyle* style)
    {
        RecalcAllCounters(FList, style);
        std::vector<std::string> texts;
        for (auto& item : FItems)
            texts.push_back(item->MarkerText);
        return texts;
    }
    TRVMarkerList& List() { return FList; }

private:
    std::vector<std::unique_ptr<TRVMarkerItemInfo>> FItems;
    TRVMarkerList FList;
};

using Texts = std::vector<std::string>;

TEST(MarkerNumbering, FormatStrings)
{
    const std::vector<std::string> args{"1", "2", "iii"};
    const struct {
        const char* format;
        std::optional<std::string> result;
    } cases[] = {
        {"%0:s.", "1."},
        {"%0:s.%1:s", "1.2"},
        {"%2:s)", "iii)"},
        {"%s-%s", "1-2"},
        {"%1:s %s", "2 iii"},
        {"100%% %0:S", "100% 1"},
        {"\xB7", "\xB7"},
        {"%3:s", std::nullopt},   // no such argument
        {"%256:s", std::nullopt}, // beyond the levels a format can name
        {"%d", std::nullopt},
        {"%5s", std::nullopt},
        {"%-0:s", std::nullopt},
        {"%0s", std::nullopt},
        {"%0:", std::nullopt},
        {"%", std::nullopt},
        {"%n%x%p", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatListString(c.format, args), c.result);
    }
    EXPECT_EQ(FormatListString("%0:s", {}), std::nullopt);
    EXPECT_EQ(FormatListString("%%", {}), "%");
}

TEST(MarkerNumbering, NumberStyles)
{
    EXPECT_EQ(ListNumberText(28, rvlstUpperAlpha), "AB");
    EXPECT_EQ(ListNumberText(1994, rvlstLowerRoman), "mcmxciv");
    EXPECT_EQ(ListNumberText(-3, rvlstDecimal), "-3");
    EXPECT_EQ(ListNumberText(0, rvlstUpperRoman), "?");
    EXPECT_EQ(ListNumberText(5, rvlstImageListCounter), "");
}

TEST(MarkerNumbering, LevelLookup)
{
    TRVStyle style;
    AddList(style, {{rvlstDecimal, "a%0:s"}, {rvlstDecimal, "b%1:s"}});
    AddList(style, {});
    const struct {
        const char* name;
        int32_t listNo;
        int32_t level;
        std::string text;
    } cases[] = {
        {"level 0", 0, 0, "a1"},
        {"level 1", 0, 1, "b1"},
        {"above the last level uses the last", 0, 7, "b1"},
        {"negative level", 0, -1, ""},
        {"list without levels", 1, 0, ""},
        {"list outside the table", 2, 0, ""},
        {"negative list", -1, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Markers markers({{c.listNo, c.level}});
        EXPECT_EQ(markers.Texts(&style), Texts{c.text});
    }
    Markers noStyle({{0, 0}});
    EXPECT_EQ(noStyle.Texts(nullptr), Texts{""});
}

TEST(MarkerNumbering, CountersAndTexts)
{
    TRVStyle style;
    AddList(style, {{rvlstDecimal, "%0:s."}, {rvlstLowerAlpha, "%0:s.%1:s"}, {rvlstUpperRoman, "%0:s.%1:s.%2:s"}});
    AddList(style, {{rvlstDecimal, "%0:s.", 1, false}, {rvlstDecimal, "(%1:s)", 1, false}});
    AddList(style, {{rvlstBullet, "\xB7"}, {rvlstBullet, "%0:s"}});
    AddList(style, {{rvlstUpperAlpha, "%0:s"}, {rvlstUpperRoman, "%0:s.%1:s", 1, true, true}});
    const struct {
        const char* name;
        std::vector<std::pair<int32_t, int32_t>> markers;
        Texts texts;
    } cases[] = {
        {"three of level 0", {{0, 0}, {0, 0}, {0, 0}}, {"1.", "2.", "3."}},
        {"nested levels", {{0, 0}, {0, 0}, {0, 1}, {0, 1}, {0, 0}, {0, 1}}, {"1.", "2.", "2.a", "2.b", "3.", "3.a"}},
        {"a skipped level counts from its start", {{0, 0}, {0, 2}}, {"1.", "1.a.I"}},
        {"other lists do not interfere", {{0, 0}, {1, 0}, {0, 0}, {1, 0}}, {"1.", "1.", "2.", "2."}},
        {"without level reset numbering continues", {{1, 0}, {1, 1}, {1, 1}, {1, 0}, {1, 1}}, {"1.", "(1)", "(2)", "2.", "(3)"}},
        {"bullets, and a bullet format that names a counter stays as it is", {{2, 0}, {2, 1}}, {"\xB7", "%0:s"}},
        {"legal numbering writes higher levels in decimal", {{3, 0}, {3, 0}, {3, 1}}, {"A", "B", "2.I"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Markers markers(c.markers);
        EXPECT_EQ(markers.Texts(&style), c.texts);
    }
}

TEST(MarkerNumbering, ResetNumberingAndPartialRecalculation)
{
    TRVStyle style;
    AddList(style, {{rvlstDecimal, "%0:s"}});
    Markers markers({{0, 0}});
    markers.Add(0, 0, 5, true);
    markers.Add(0, 0, 1, false);
    EXPECT_EQ(markers.Texts(&style), (Texts{"1", "5", "6"}));
    markers.List()[1]->StartFrom = 9;
    RecalcCounters(markers.List(), 1, &style);
    EXPECT_EQ(markers.List()[2]->MarkerText, "10");
    EXPECT_EQ(markers.List()[0]->MarkerText, "1");
    RecalcCounters(markers.List(), 3, &style); // outside the list: nothing happens
}

} // namespace
} // namespace vellum
