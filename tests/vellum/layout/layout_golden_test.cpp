// Golden layout dumps: each case builds a small document, formats it on the recording canvas
// and compares the dump with tests/golden/layout/expected/NAME.txt. RVF inputs in
// tests/golden/layout/inputs/ are read as the snapshot view reads them. With WENLOCKE_REBASELINE
// set (scripts/rebaseline) the expected files are written instead.
#include "app/snapshot_style.h"
#include "tests/vellum/layout/layout_test_util.h"
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
