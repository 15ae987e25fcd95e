// Display text and run measurement on the recording canvas (10 points: em 13, narrow advance 6,
// wide characters 12, zero-width characters 0 plus any letter spacing).
#include "vellum/layout/text_measure.h"

#include "platform/codepage.h"
#include "platform/testing/recording_canvas.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vellum {
namespace {

using platform::RecordingCanvas;

TRVRawByteString W(std::u16string_view text)
{
    return Utf16ToBytes(text);
}

class MeasureTest : public ::testing::Test {
protected:
    MeasureTest()
    {
        style.TextStyles().Clear();
        unicodeStyle = &style.TextStyles().Add();
        unicodeStyle->Unicode = true;
        byteStyle = &style.TextStyles().Add();
        byteStyle->Charset = GB2312_CHARSET;
    }

    std::vector<int> Positions(std::string_view text, bool unicode, int maxExtent, int* fit = nullptr)
    {
        std::vector<int> positions(size_t(CharCount(text, unicode)));
        const int n = FitRun(canvas, text, CharCount(text, unicode), maxExtent, unicode, positions);
        if (fit)
            *fit = n;
        return positions;
    }

    std::vector<int> Carets(std::string_view text, bool unicode)
    {
        std::vector<int> carets;
        EXPECT_TRUE(GetCaretPositions(canvas, text, unicode, carets));
        return carets;
    }

    TRVStyle style;
    TFontInfo* unicodeStyle;
    TFontInfo* byteStyle;
    RecordingCanvas canvas;
};

TEST(CharCountTest, UnitsOrBytes)
{
    EXPECT_EQ(CharCount("abcd", false), 4);
    EXPECT_EQ(CharCount("abcd", true), 2);
    EXPECT_EQ(CharCount("abcde", true), 2);
    EXPECT_EQ(CharCount("", true), 0);
}

struct DisplayCase {
    const char* name;
    std::u16string text;
    bool keepTrailing;
    bool removeZeroWidth;
    bool show;
    std::u16string expected;
};

const DisplayCase kDisplayCases[] = {
    {"soft hyphen hidden", u"ab\u00ADc", false, false, false, u"ab\u200Bc"},
    {"soft hyphen shown", u"ab\u00ADc", false, false, true, u"ab\u00ACc"},
    {"trailing soft hyphen kept", u"ab\u00AD", true, false, false, u"ab\u00AD"},
    {"trailing soft hyphen shown wins", u"ab\u00AD", true, false, true, u"ab\u00AC"},
    {"inner soft hyphen not kept", u"a\u00ADb\u00AD", true, false, false, u"a\u200Bb\u00AD"},
    {"non-breaking hyphen", u"x\u2011y", false, false, false, u"x-y"},
    {"zero-width removed", u"a\u200Bb\u2060c\u00AD", false, true, false, u"abc"},
    {"zero-width removed, shown hyphen stays", u"a\u200B\u00AD", false, true, true, u"a\u00AC"},
    {"empty", u"", true, true, true, u""},
};

TEST_F(MeasureTest, UnicodeDisplayText)
{
    for (const DisplayCase& c : kDisplayCases) {
        SCOPED_TRACE(c.name);
        const TRVRawByteString shown =
            MakeDisplayText(W(c.text), *unicodeStyle, c.keepTrailing, c.removeZeroWidth, c.show);
        EXPECT_EQ(BytesToUtf16(shown), c.expected);
    }
}

TEST_F(MeasureTest, BufferFormCopiesOnlyChangedText)
{
    TRVRawByteString buffer = "held before";
    const std::string plain = "xy";
    EXPECT_EQ(MakeDisplayText(plain, *byteStyle, false, false, false, buffer).data(), plain.data());
    const TRVRawByteString unicode = W(u"a\u200Bb");
    EXPECT_EQ(MakeDisplayText(unicode, *unicodeStyle, false, false, true, buffer).data(), unicode.data());
    EXPECT_EQ(BytesToUtf16(MakeDisplayText(unicode, *unicodeStyle, false, true, false, buffer)), u"ab");
    EXPECT_EQ(BytesToUtf16(MakeDisplayText(W(u"a\u00ADb"), *unicodeStyle, false, false, false, buffer)),
              u"a\u200Bb");
    byteStyle->StyleEx.Include(rvfsAllCaps);
    EXPECT_EQ(MakeDisplayText(plain, *byteStyle, false, false, false, buffer), "XY");
    EXPECT_EQ(buffer, "XY");
}

TEST_F(MeasureTest, ByteTextKeepsSpecialBytes)
{
    // Byte text has no soft-hyphen mapping: 0xAD is half of a double-byte character here.
    const std::string gbk = platform::FromUtf16(u"a中b", platform::kCodePageGbk);
    EXPECT_EQ(MakeDisplayText(gbk, *byteStyle, false, true, true), gbk);
}

TEST_F(MeasureTest, AllCapsCharacterForCharacter)
{
    unicodeStyle->StyleEx.Include(rvfsAllCaps);
    byteStyle->StyleEx.Include(rvfsAllCaps);
    EXPECT_EQ(BytesToUtf16(MakeDisplayText(W(u"straße ǆ é\U0001044F"), *unicodeStyle, false, false, false)),
              u"STRAßE Ǆ É\U00010427");
    // In GBK only single-byte characters change; 0xB0 0x61 pairs into one character.
    const std::string mixed = std::string("ab") + "\xB0\x61" + "\xD6\xD0" + "z";
    EXPECT_EQ(MakeDisplayText(mixed, *byteStyle, false, false, false),
              std::string("AB") + "\xB0\x61" + "\xD6\xD0" + "Z");
    TFontInfo& western = style.TextStyles().Add();
    western.Charset = ANSI_CHARSET;
    western.StyleEx.Include(rvfsAllCaps);
    EXPECT_EQ(MakeDisplayText("\xE9\xFF\xDF", western, false, false, false), "\xC9\x9F\xDF");
}

TEST_F(MeasureTest, DisplayTextKeepsTheStoredLength)
{
    std::mt19937 random(7);
    const char16_t pool[] = {u'a', u'ß', u'\u00AD', u'\u2011', u'\u200B', u'\u2060', u'中',
                             u'\xD801', u'\xDC4F', u'ǆ', u' '};
    unicodeStyle->StyleEx.Include(rvfsAllCaps);
    byteStyle->StyleEx.Include(rvfsAllCaps);
    for (int round = 0; round < 500; ++round) {
        std::u16string units;
        std::string bytes;
        const int length = int(random() % 20);
        for (int i = 0; i < length; ++i) {
            units += pool[random() % std::size(pool)];
            bytes += char(random() % 256);
        }
        const bool show = round % 2 == 0;
        EXPECT_EQ(MakeDisplayText(W(units), *unicodeStyle, false, false, show).size(), 2 * units.size());
        EXPECT_EQ(MakeDisplayText(bytes, *byteStyle, false, false, show).size(), bytes.size());
        EXPECT_EQ(MakeDisplayText(W(units) + "x", *unicodeStyle, false, false, show).size(),
                  2 * units.size() + 1);
    }
}

TEST_F(MeasureTest, ZeroWidthCharactersTakeNoRoom)
{
    // Letter spacing gives the zero-width space an advance on the canvas; measuring takes it out.
    canvas.SetCharSpacing(3);
    const TRVRawByteString plain = W(u"ab");
    const TRVRawByteString joined = W(u"a\u200Bb");
    EXPECT_EQ(MeasureRunSize(canvas, plain, 2, true), (platform::Size{18, 16}));
    EXPECT_EQ(MeasureRunSize(canvas, joined, 3, true), (platform::Size{18, 16}));
    EXPECT_EQ(MeasureRun(canvas, W(u"\u2060a\u2060\u200B"), true), 9);
    int fit = 0;
    EXPECT_EQ(Positions(plain, true, 18, &fit), (std::vector<int>{9, 18}));
    EXPECT_EQ(fit, 2);
    EXPECT_EQ(Positions(joined, true, 18, &fit), (std::vector<int>{9, 9, 18}));
    EXPECT_EQ(fit, 3);
    EXPECT_EQ(FitRun(canvas, joined, 3, 18, true), 3); // without a position array
    EXPECT_EQ(FitRun(canvas, joined, 3, 17, true), 2);
    EXPECT_EQ(Carets(plain, true), (std::vector<int>{0, 9, 18}));
    EXPECT_EQ(Carets(joined, true), (std::vector<int>{0, 9, 9, 18}));
}

TEST_F(MeasureTest, SoftHyphenMeasuresAsShown)
{
    const TRVRawByteString stored = W(u"ab\u00AD");
    const TRVRawByteString shown = MakeDisplayText(stored, *unicodeStyle, false, false, true);
    const TRVRawByteString hidden = MakeDisplayText(stored, *unicodeStyle, false, false, false);
    EXPECT_EQ(MeasureRun(canvas, shown, true), MeasureRun(canvas, W(u"ab\u00AC"), true));
    EXPECT_EQ(MeasureRun(canvas, shown, true), 18);
    canvas.SetCharSpacing(1);
    EXPECT_EQ(MeasureRun(canvas, hidden, true), MeasureRun(canvas, W(u"ab"), true));
}

TEST_F(MeasureTest, CountsLimitTheRun)
{
    const TRVRawByteString text = W(u"abcd");
    EXPECT_EQ(MeasureRunSize(canvas, text, 2, true).cx, 12);
    EXPECT_EQ(MeasureRunSize(canvas, text, 99, true).cx, 24);
    EXPECT_EQ(MeasureRunSize(canvas, text, -1, true).cx, 0);
    EXPECT_EQ(FitRun(canvas, text, 3, 1000, true), 3);
    EXPECT_EQ(FitRun(canvas, "", 0, 1000, false), 0);
    EXPECT_EQ(FitRun(canvas, text, 0, 1000, true), 0);
    EXPECT_EQ(FitRun(canvas, "abc", 3, 5, false), 0);
}

TEST_F(MeasureTest, PositionArraysOfAnySizeAreFilledWithinBounds)
{
    const TRVRawByteString text = W(u"a\u200Bbcd");
    std::vector<int> shortArray(2, -1);
    EXPECT_EQ(FitRun(canvas, text, 5, 1000, true, shortArray), 5);
    EXPECT_EQ(shortArray, (std::vector<int>{6, 6}));
    std::vector<int> longArray(8, -1);
    EXPECT_EQ(FitRun(canvas, "abc", 3, 13, false, longArray), 2);
    EXPECT_EQ(longArray, (std::vector<int>{6, 12, 18, -1, -1, -1, -1, -1}));
}

TEST_F(MeasureTest, DoubleByteCharactersShareOnePosition)
{
    canvas.SetFont({u"SimSun", 10, 0, 0, GB2312_CHARSET, 0});
    const std::string gbk = platform::FromUtf16(u"中a文", platform::kCodePageGbk);
    ASSERT_EQ(gbk.size(), 5u);
    int fit = 0;
    EXPECT_EQ(Positions(gbk, false, 18, &fit), (std::vector<int>{12, 12, 18, 30, 30}));
    EXPECT_EQ(fit, 3);
    EXPECT_EQ(FitRun(canvas, gbk, 5, 11, false), 0);
    EXPECT_EQ(FitRun(canvas, gbk, 5, 29, false), 3);
    EXPECT_EQ(Carets(gbk, false), (std::vector<int>{0, 0, 12, 18, 18, 30}));
    EXPECT_EQ(MeasureRunSize(canvas, gbk, 3, false).cx, 18);
}

// A canvas whose character placement fails.
class UnplaceableCanvas : public RecordingCanvas {
public:
    bool CaretPositions(std::string_view, std::span<int>) override { return false; }
    bool CaretPositionsW(std::u16string_view, std::span<int>) override { return false; }
};

TEST(CaretPositionsTest, PlacementFailureIsReported)
{
    UnplaceableCanvas canvas;
    std::vector<int> carets = {1, 2};
    EXPECT_FALSE(GetCaretPositions(canvas, "abc", false, carets));
    EXPECT_TRUE(carets.empty());
    EXPECT_FALSE(GetCaretPositions(canvas, Utf16ToBytes(u"ab"), true, carets));
}

} // namespace
} // namespace vellum
