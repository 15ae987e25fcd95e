// Merging a loaded style table into the style sheet's tables.
#include <gtest/gtest.h>

#include "vellum/style/rv_style.h"
#include "vellum/vellum_error.h"

namespace vellum {
namespace {

class RecordingListener : public StyleAddedListener {
public:
    void DoAddStyle(TCustomRVInfo& style) override { added.push_back(style.Index()); }
    std::vector<int> added;
};

TRVIntegerList Identity(int n)
{
    TRVIntegerList list;
    for (int i = 0; i < n; ++i)
        list.push_back(i);
    return list;
}

TEST(MergeStyles, IdenticalTableAddsNothing)
{
    // Merge mode tries the same number first; map mode gives ties to the lowest number, so the
    // second of the two identical link styles maps onto the first.
    const std::pair<StyleMergeMode, TRVIntegerList> modes[] = {{rvsmmMerge, Identity(6)},
                                                                  {rvsmmMap, {0, 1, 2, 3, 4, 4}}};
    for (const auto& [mode, expected] : modes) {
        TRVStyle sheet, loaded;
        TRVIntegerList textMap, paraMap;
        RecordingListener listener;
        sheet.TextStyles().MergeStyles(loaded.TextStyles(), mode, &listener, nullptr, textMap);
        sheet.ParaStyles().MergeStyles(loaded.ParaStyles(), mode, &listener, &textMap, paraMap);
        EXPECT_EQ(textMap, expected) << mode;
        EXPECT_EQ(paraMap, Identity(2)) << mode;
        EXPECT_EQ(sheet.TextStyles().Count(), 6);
        EXPECT_EQ(sheet.ParaStyles().Count(), 2);
        EXPECT_TRUE(listener.added.empty());
    }
}

TEST(MergeStyles, IntoAnEmptyTable)
{
    TRVStyle loaded;
    // "Jump 2" equals "Jump 1" and would fold onto its copy; make every style distinct.
    loaded.TextStyles()[5].Size = 12;
    TFontInfos empty(nullptr);
    TRVIntegerList map;
    empty.MergeStyles(loaded.TextStyles(), rvsmmMap, nullptr, nullptr, map);
    EXPECT_EQ(map, TRVIntegerList(6, -1));
    EXPECT_EQ(empty.Count(), 0);

    RecordingListener listener;
    empty.MergeStyles(loaded.TextStyles(), rvsmmMerge, &listener, nullptr, map);
    EXPECT_EQ(map, Identity(6));
    ASSERT_EQ(empty.Count(), 6);
    EXPECT_EQ(listener.added, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(empty[i].Standard) << i;
        EXPECT_TRUE(empty[i].EqualTo(loaded.TextStyles()[i], false)) << i;
    }
}

TEST(MergeStyles, MergeFindsEqualStylesAtOtherNumbersAndAppendsTheRest)
{
    TRVStyle sheet;
    TFontInfos incoming(nullptr);
    incoming.Add().Assign(sheet.TextStyles()[3]);  // keywords
    TFontInfo& fresh = incoming.Add();
    fresh.Size = 30;
    incoming.Add().Assign(sheet.TextStyles()[1]);  // heading
    TRVIntegerList map;
    sheet.TextStyles().MergeStyles(incoming, rvsmmMerge, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{3, 6, 1}));
    EXPECT_EQ(sheet.TextStyles().Count(), 7);
    EXPECT_EQ(sheet.TextStyles()[6].Size, 30);
    EXPECT_TRUE(sheet.TextStyles()[3].Standard);
}

TEST(MergeStyles, AppendModeAlwaysCopies)
{
    TRVStyle sheet, loaded;
    TRVIntegerList map;
    sheet.TextStyles().MergeStyles(loaded.TextStyles(), rvsmmAppend, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(sheet.TextStyles().Count(), 12);
}

TEST(MergeStyles, MapModeNeverMapsALinkToANonLinkWhileALinkExists)
{
    TRVStyle sheet;
    TFontInfos incoming(nullptr);
    // A link that looks exactly like "Normal text" apart from being a link.
    TFontInfo& link = incoming.Add();
    link.Jump = true;
    // A non-link that looks exactly like "Jump 1" apart from not being a link.
    TFontInfo& plain = incoming.Add();
    plain.Assign(sheet.TextStyles()[4]);
    plain.Jump = false;
    TRVIntegerList map;
    sheet.TextStyles().MergeStyles(incoming, rvsmmMap, nullptr, nullptr, map);
    ASSERT_EQ(map.size(), 2u);
    EXPECT_TRUE(sheet.TextStyles()[map[0]].Jump);
    EXPECT_FALSE(sheet.TextStyles()[map[1]].Jump);
    EXPECT_EQ(map[0], 4); // the lowest of equal scores
}

TEST(MergeStyles, MapModePrefersSameUnicodeKind)
{
    TRVStyle sheet;
    TFontInfo& wide = sheet.TextStyles().Add();
    wide.Unicode = true;
    wide.Size = 40;
    TFontInfos incoming(nullptr);
    incoming.Add().Unicode = true;
    TRVIntegerList map;
    sheet.TextStyles().MergeStyles(incoming, rvsmmMap, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{6}));
}

TEST(MergeStyles, FixUpTranslatesReferencesOfAppendedStyles)
{
    TRVStyle sheet;
    TFontInfos texts(nullptr);
    TFontInfo& t0 = texts.Add();
    t0.Size = 50;
    t0.NextStyleNo = 1;
    t0.BaseStyleNo = 1;
    TFontInfo& t1 = texts.Add();
    t1.Size = 60;
    TRVIntegerList textMap;
    sheet.TextStyles().MergeStyles(texts, rvsmmMerge, nullptr, nullptr, textMap);
    EXPECT_EQ(textMap, (TRVIntegerList{6, 7}));
    EXPECT_EQ(sheet.TextStyles()[6].NextStyleNo, 7);
    EXPECT_EQ(sheet.TextStyles()[6].BaseStyleNo, 7);

    TParaInfos paras(nullptr);
    TParaInfo& p = paras.Add();
    p.SpaceBefore = 9;
    p.DefStyleNo = 1;
    p.NextParaNo = 0;
    TRVIntegerList paraMap;
    sheet.ParaStyles().MergeStyles(paras, rvsmmMerge, nullptr, &textMap, paraMap);
    EXPECT_EQ(paraMap, (TRVIntegerList{2}));
    EXPECT_EQ(sheet.ParaStyles()[2].DefStyleNo, 7);
    EXPECT_EQ(sheet.ParaStyles()[2].NextParaNo, 2);
    EXPECT_FALSE(sheet.ParaStyles()[2].Standard);
}

TEST(MergeStyles, ReferenceBeyondTheMappingIsAListIndexError)
{
    TRVStyle sheet;
    TFontInfos texts(nullptr);
    TFontInfo& t = texts.Add();
    t.Size = 50;
    t.NextStyleNo = 5;
    TRVIntegerList map;
    EXPECT_THROW(sheet.TextStyles().MergeStyles(texts, rvsmmMerge, nullptr, nullptr, map), EVellumError);
}

TEST(MergeStyles, MergedFollowOnStyleMustAgreeOnceMapped)
{
    TRVStyle sheet;
    sheet.TextStyles()[1].NextStyleNo = 0; // heading is followed by normal text
    TFontInfos texts(nullptr);
    texts.Add();                                      // maps to 0
    TFontInfo& heading = texts.Add();                 // equal to heading apart from its follow-on
    heading.Assign(sheet.TextStyles()[1]);
    heading.NextStyleNo = 0;                          // incoming 0, which became 0: agrees
    TFontInfo& other = texts.Add();
    other.Assign(sheet.TextStyles()[1]);
    other.NextStyleNo = 2;                            // itself, not yet mapped: counts as equal
    TFontInfo& wrong = texts.Add();
    wrong.Assign(sheet.TextStyles()[1]);
    wrong.NextStyleNo = 1;                            // incoming 1 became 1, but heading says 0
    TRVIntegerList map;
    sheet.TextStyles().MergeStyles(texts, rvsmmMerge, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{0, 1, 1, 6}));
    EXPECT_EQ(sheet.TextStyles()[6].NextStyleNo, 1);
}

TRVListInfo& AddNumberedList(TRVListInfos& lists)
{
    TRVListInfo& list = lists.Add();
    TRVListLevel& level = list.Levels.Add();
    level.ListType = rvlstDecimal;
    level.FormatString = "%0:s.";
    return list;
}

TEST(MergeListStyles, TwoNumberedListsNeverFallTogether)
{
    TRVStyle sheet;
    AddNumberedList(sheet.ListStyles());
    TRVListInfos incoming(nullptr);
    AddNumberedList(incoming);
    AddNumberedList(incoming);
    TRVIntegerList map;
    sheet.ListStyles().MergeStyles(incoming, rvsmmMerge, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{0, 1}));
    ASSERT_EQ(sheet.ListStyles().Count(), 2);
    // The appended copy keeps the identity it came with.
    EXPECT_EQ(sheet.ListStyles()[1].ListID(), incoming[1].ListID());
}

TEST(MergeListStyles, BulletListsMayShareATarget)
{
    TRVStyle sheet;
    sheet.ListStyles().Add().Levels.Add();
    TRVListInfos incoming(nullptr);
    incoming.Add().Levels.Add();
    incoming.Add().Levels.Add();
    TRVIntegerList map;
    sheet.ListStyles().MergeStyles(incoming, rvsmmMerge, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{0, 0}));
    EXPECT_EQ(sheet.ListStyles().Count(), 1);
}

TEST(MergeStyles, ParagraphMapModeChoosesMostSimilar)
{
    TRVStyle sheet;
    TParaInfos incoming(nullptr);
    incoming.Add().Alignment = rvaCenter;
    TParaInfo& indented = incoming.Add();
    indented.LeftIndent = 30;
    TRVIntegerList map;
    sheet.ParaStyles().MergeStyles(incoming, rvsmmMap, nullptr, nullptr, map);
    EXPECT_EQ(map, (TRVIntegerList{1, 0}));
}

} // namespace
} // namespace vellum
