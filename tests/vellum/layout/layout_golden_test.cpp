// Golden layout dumps: each case builds a small document, formats it on the recording canvas
// and compares the dump with tests/golden/layout/expected/NAME.txt. RVF inputs in
// tests/golden/layout/inputs/ are read as the snapshot view reads them. With WENLOCKE_REBASELINE
// set (scripts/rebaseline) the expected files are written instead.
#include "app/snapshot_style.h"
#include "tests/vellum/layout/layout_test_util.h"
#include "tests/vellum/layout/paragraph_fixture.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/rvf/rvf_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace vellum::testing {
namespace {

const std::string kGoldenDir = std::string(WENLOCKE_SOURCE_DIR) + "/tests/golden/layout/";

std::u16string Repeat(std::u16string_view piece, int times)
{
    std::u16string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// 100 distinct ideographs from U+4E00 on.
std::u16string Ideographs(int count, char16_t first = 0x4E00)
{
    std::u16string out;
    for (int i = 0; i < count; ++i)
        out += char16_t(first + i);
    return out;
}

// Two one-line paragraphs in a new paragraph style with line spacing TYPE and VALUE.
void TwoSpacedLines(LayoutDoc& d, TRVLineSpacingType type, int32_t value, int32_t styleNo)
{
    const int32_t para = AddParaStyle(d, [&](TParaInfo& p) {
        p.LineSpacingType = type;
        p.LineSpacing = value;
    });
    d.Text(u"ab", styleNo, true, para).Text(u"cd", styleNo, true, para);
}

int32_t JustifiedPara(LayoutDoc& d, TRVBiDiMode mode = rvbdUnspecified)
{
    return AddParaStyle(d, [mode](TParaInfo& p) {
        p.Alignment = rvaJustify;
        p.BiDiMode = mode;
    });
}

int32_t TabPara(LayoutDoc& d, int32_t position, TRVTabAlign align)
{
    return AddParaStyle(d, [&](TParaInfo& p) {
        TRVTabInfo& tab = p.Tabs.Add();
        tab.SetPosition(position);
        tab.Align = align;
        tab.Leader = u".";
    });
}

void LineAlignedPictures(LayoutDoc& d, int32_t para)
{
    for (uint8_t placement : {2, 3, 4}) {
        d.Text(u"ab", kPlain, true, para);
        AddPlacedPicture(d, 10, 40, placement, para, false);
    }
}

struct GoldenCase {
    const char* name;
    int32_t clientWidth;
    std::function<void(LayoutDoc&)> build;
};

const GoldenCase kCases[] = {
    // Ten ideographs of 12 fit a 120-pixel line: ten full lines.
    {"ideographs_100_at_10", 130, [](LayoutDoc& d) { d.Text(Ideographs(100)); }},
    // The 11th character is a full-width comma: the 10th ideograph goes down with it.
    {"fullwidth_comma_carry", 130,
     [](LayoutDoc& d) { d.Text(Ideographs(10) + u"\uFF0C" + Ideographs(5, 0x5000)); }},
    {"ideographic_full_stop", 130,
     [](LayoutDoc& d) { d.Text(Ideographs(10) + u"\u3002\u3001" + Ideographs(5, 0x5000)); }},
    {"opening_bracket_not_at_line_end", 130,
     [](LayoutDoc& d) { d.Text(Ideographs(9) + u"\u300C" + Ideographs(5, 0x5000) + u"\u300D"); }},
    {"digits_stay_together", 130, [](LayoutDoc& d) { d.Text(Ideographs(8) + u"12345" + Ideographs(3)); }},
    // English breaks after the last space that fits; the space is not drawn.
    {"trim_wrap_spaces", 100, [](LayoutDoc& d) { d.Text(u"the quick brown fox jumps over the lazy dog"); }},
    {"keep_wrap_spaces", 100,
     [](LayoutDoc& d) {
         d.data.Layout().ControlFlags &= uint16_t(~(1u << cfTrimWrapSpaces));
         d.Text(u"the quick brown fox jumps over the lazy dog");
     }},
    // A word wider than the line is cut on a line of its own; the next word moves down whole.
    {"long_word_cut", 70, [](LayoutDoc& d) { d.Text(u"ab abcdefghijklmnop qrstu"); }},
    {"word_moves_to_next_item_line", 100,
     [](LayoutDoc& d) { d.Text(u"hello ").More(u"wonderful", kBig); }},
    // Text after a list marker stays on the marker's line.
    {"text_after_marker", 40, [](LayoutDoc& d) { d.Marker("1.").More(u"abcdefghij"); }},
    {"empty_item", 200, [](LayoutDoc& d) { d.Text(u"above").Text(u"").Text(u"below"); }},
    {"max_length_5", 400,
     [](LayoutDoc& d) {
         d.data.Layout().MaxLength = 5;
         d.Text(u"abcdefghijkl");
     }},
    // A horizontal line at 96 dpi is 11 pixels high and as wide as the text.
    {"horizontal_line_11px", 200, [](LayoutDoc& d) { d.Text(u"above").HorizontalLine().Text(u"below"); }},
    {"max_text_width_300", 610,
     [](LayoutDoc& d) {
         d.data.Layout().MaxTextWidth = 300;
         d.Text(Repeat(u"word ", 30));
     }},
    {"client_text_width", 200,
     [](LayoutDoc& d) {
         d.data.Settings().Options |= OptionBit<TRVOptions>(rvoClientTextWidth);
         d.Text(u"abc").Text(u"defghijklmnopqrstuvwxyzabcdefghijkl", kPlain, true, kParaNoWrap);
     }},
    // A soft hyphen takes no room inside a line and shows as a hyphen at a line end.
    {"soft_hyphens", 80, [](LayoutDoc& d) { d.Text(u"hyphen\u00ADation com\u00ADpu\u00ADter"); }},
    {"soft_hyphen_at_line_end", 56, [](LayoutDoc& d) { d.Text(u"hyphen\u00ADation com\u00ADpu\u00ADter"); }},
    {"zero_width_space_breaks", 70, [](LayoutDoc& d) { d.Text(u"abcdef\u200Bghijkl\u200Bmnop"); }},
    // 8-bit Chinese text breaks only at spaces and is cut at the fit point otherwise, never
    // inside a character.
    {"gbk_cut_at_fit_point", 70, [](LayoutDoc& d) { d.Text(u"购物清单要买的东西附近超市", kGbk); }},
    {"gbk_odd_width", 75, [](LayoutDoc& d) { d.Text(u"a购物清单要买的东西", kGbk); }},
    // A taller run raises the line; earlier pieces move down.
    {"gbk_lone_character_whole", 100,
     [](LayoutDoc& d) {
         d.data.Layout().MaxTextWidth = 5;
         d.Text(u"购物a清", kGbk);
     }},
    {"mixed_fonts_raise_line", 300, [](LayoutDoc& d) { d.Text(u"small ").More(u"BIG", kBig).More(u" small"); }},
    {"sub_super_vshift", 300,
     [](LayoutDoc& d) { d.Text(u"H").More(u"2", kSub).More(u"O x").More(u"2", kSuper).More(u" up", kShifted); }},
    {"picture_in_line", 200, [](LayoutDoc& d) { d.Text(u"pic ").Picture(20, 30).More(u" after"); }},
    {"picture_wraps", 60, [](LayoutDoc& d) { d.Text(u"abcdef").Picture(30, 10); }},
    {"huge_picture_saturates", 200,
     [](LayoutDoc& d) { d.Text(u"x").Picture(2000000000, 2000000000).More(u"y"); }},
    {"huge_space_before", 200,
     [](LayoutDoc& d) { d.Text(u"first").Text(u"second", kPlain, true, kParaHugeSpace); }},
    {"links", 100, [](LayoutDoc& d) { d.Text(u"see ").More(u"this link here", kLink).More(u" end"); }},
    {"no_wrap_paragraph", 60,
     [](LayoutDoc& d) { d.Text(u"never wraps at all", kPlain, true, kParaNoWrap).Text(u"wraps here ok"); }},
    {"word_wrap_off", 60,
     [](LayoutDoc& d) {
         d.data.Layout().WordWrap = false;
         d.Text(u"never wraps at all");
     }},
    // Paragraph layout. Two one-line paragraphs in a line-spacing style: 150 % of a 16-pixel
    // line leaves 8 below it, 40 % acts as 100.
    {"line_spacing_percent_150", 200, [](LayoutDoc& d) { TwoSpacedLines(d, rvlsPercent, 150, kPlain); }},
    {"line_spacing_percent_40", 200, [](LayoutDoc& d) { TwoSpacedLines(d, rvlsPercent, 40, kPlain); }},
    {"line_spacing_between_7", 200, [](LayoutDoc& d) { TwoSpacedLines(d, rvlsSpaceBetween, 7, kPlain); }},
    // Exact 20: ascent 16, descent 4 whatever the font; exact 3 is 4 high (3 and 1).
    {"line_spacing_exact_20", 200, [](LayoutDoc& d) { TwoSpacedLines(d, rvlsLineHeightExact, 20, kBig); }},
    {"line_spacing_exact_3", 200, [](LayoutDoc& d) { TwoSpacedLines(d, rvlsLineHeightExact, 3, kPlain); }},
    // At least 30 makes a 16-pixel line 30 high and leaves a 33-pixel one alone.
    {"line_spacing_at_least_30", 200, [](LayoutDoc& d) { TwoSpacedLines(d, rvlsLineHeightAtLeast, 30, kPlain); }},
    {"line_spacing_at_least_30_tall", 200,
     [](LayoutDoc& d) { TwoSpacedLines(d, rvlsLineHeightAtLeast, 30, kBig); }},
    // SpaceAfter 10 then SpaceBefore 5: 15 more between the lines.
    {"space_after_10_before_5", 200,
     [](LayoutDoc& d) {
         const int32_t after = AddParaStyle(d, [](TParaInfo& p) { p.SpaceAfter = 10; });
         const int32_t before = AddParaStyle(d, [](TParaInfo& p) { p.SpaceBefore = 5; });
         d.Text(u"first", kPlain, true, after).Text(u"second", kPlain, true, before);
     }},
    // Justified: 10 free pixels over two gaps are 5 and 5, over three 3, 3 and 4; the last
    // line stays left.
    {"justify_three_words", 68, [](LayoutDoc& d) { d.Text(u"aa bb cc dd", kPlain, true, JustifiedPara(d)); }},
    {"justify_four_words", 80, [](LayoutDoc& d) { d.Text(u"a bb cc dd ee", kPlain, true, JustifiedPara(d)); }},
    {"justify_space_run", 73, [](LayoutDoc& d) { d.Text(u"aa  bb cc dd", kPlain, true, JustifiedPara(d)); }},
    // A line before a line break stays left, and so does a left-to-right justified line.
    {"justify_before_line_break", 68,
     [](LayoutDoc& d) {
         const int32_t para = JustifiedPara(d);
         d.Text(u"aa bb", kPlain, true, para).Text(u"cc dd", kPlain, false, para);
         LastItem(d).Options = rvioUnicodeText | rvioStartsNewLine;
     }},
    {"justify_left_to_right", 68,
     [](LayoutDoc& d) { d.Text(u"aa bb cc dd", kPlain, true, JustifiedPara(d, rvbdLeftToRight)); }},
    // Chinese has no spaces: its justified lines stay left.
    {"justify_chinese", 135, [](LayoutDoc& d) { d.Text(Ideographs(25), kPlain, true, JustifiedPara(d)); }},
    // A centred picture wider than its 100-pixel line starts at the indent.
    {"centre_too_wide", 110,
     [](LayoutDoc& d) {
         d.data.Layout().MaxTextWidth = 100;
         const int32_t para = AddParaStyle(d, [](TParaInfo& p) { p.Alignment = rvaCenter; });
         d.Text(u"ab", kPlain, true, para);
         AddPlacedPicture(d, 150, 10, 0, para, true);
     }},
    // A right tab at 200 ends "abc" at 200; a centre tab at 100 centres "abcd" on it.
    {"right_tab_200", 300,
     [](LayoutDoc& d) {
         const int32_t para = TabPara(d, 200, rvtaRight);
         AddTab(d, para, true);
         d.Text(u"abc", kPlain, false, para);
     }},
    {"centre_tab_100", 300,
     [](LayoutDoc& d) {
         const int32_t para = TabPara(d, 100, rvtaCenter);
         d.Text(u"x", kPlain, true, para);
         AddTab(d, para, false);
         d.Text(u"abcd", kPlain, false, para);
     }},
    // Default stops every 48: tabs from 48 and from 54 both end at 96.
    {"default_tabs_48", 300,
     [](LayoutDoc& d) {
         d.Text(u"aaaaaaaa");
         AddTab(d, kParaPlain, false);
         d.More(u"x").Text(u"aaaaaaaaa");
         AddTab(d, kParaPlain, false);
         d.More(u"x");
     }},
    // A 40-pixel picture aligned to the line's top, bottom and middle after a 16-pixel text,
    // and the same with exact spacing, which never moves the line down.
    {"pictures_line_aligned", 200, [](LayoutDoc& d) { LineAlignedPictures(d, kParaPlain); }},
    {"pictures_line_aligned_exact", 200,
     [](LayoutDoc& d) {
         LineAlignedPictures(d, AddParaStyle(d, [](TParaInfo& p) {
                                 p.LineSpacingType = rvlsLineHeightExact;
                                 p.LineSpacing = 20;
                             }));
     }},
    // A list level's indents: the marker's line at its marker indent 10, later lines at 30.
    {"list_indents", 100,
     [](LayoutDoc& d) {
         TRVListLevel& level = d.Style().ListStyles().Add().Levels.Add();
         level.MarkerIndent = 10;
         level.LeftIndent = 30;
         AddListMarker(d, 0, 0, kParaPlain);
         d.More(u"aaaa bbbb cccc dddd");
     }},
    // Hebrew and Latin pieces in both reading directions.
    {"mixed_directions", 300,
     [](LayoutDoc& d) {
         for (TRVBiDiMode mode : {rvbdLeftToRight, rvbdRightToLeft}) {
             const int32_t para = AddParaStyle(d, [mode](TParaInfo& p) { p.BiDiMode = mode; });
             for (const char16_t* piece : {u"ab", u"\u05D0\u05D1", u"\u05D2\u05D3", u"cd", u"12"})
                 d.Text(piece, kPlain, piece[0] == u'a', para);
         }
     }},
    {"narrow_one_char_per_line", 8, [](LayoutDoc& d) { d.Text(u"ab \u4E00c"); }},
    {"surrogate_pair_whole", 20, [](LayoutDoc& d) { d.Text(u"a\U0001F600b"); }},
    {"spaces_only_line", 40, [](LayoutDoc& d) { d.Text(u"abcde      fg"); }},
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void CompareWithGolden(const std::string& name, const std::string& dump)
{
    const std::string path = kGoldenDir + "expected/" + name + ".txt";
    if (std::getenv("WENLOCKE_REBASELINE")) {
        std::ofstream(path, std::ios::binary) << dump;
        return;
    }
    EXPECT_EQ(ReadFile(path), dump) << "golden file " << path;
}

class LayoutGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(LayoutGolden, MatchesExpectedDump)
{
    LayoutDoc doc;
    GetParam().build(doc);
    CompareWithGolden(GetParam().name, doc.Format(GetParam().clientWidth));
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// RVF inputs as the snapshot view reads them: name, client width.
const std::pair<const char*, int32_t> kRvfInputs[] = {
    {"snapshot_gbk", 120},
    {"snapshot_gbk", 300},
    {"break_and_link", 150},
};

TEST(LayoutGoldenRvf, InputsMatchExpectedDumps)
{
    for (const auto& [name, width] : kRvfInputs) {
        wenlocke::SnapshotDocument doc;
        platform::RecordingCanvas canvas(1, 1, 96, 96);
        ASSERT_TRUE(ReadRvfFile(doc.Data, kGoldenDir + "inputs/" + name + ".rvf")) << name;
        NumberDocument(doc.Data);
        doc.Data.SetCanvas(&canvas);
        doc.Data.SetClientSize(width, 100000);
        doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
        CompareWithGolden(std::string(name) + "_" + std::to_string(width), LayoutDump(doc.Data));
    }
}

} // namespace
} // namespace vellum::testing
