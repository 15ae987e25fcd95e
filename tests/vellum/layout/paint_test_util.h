// Documents built in code for painting tests, formatted and painted on the recording canvas,
// and the golden-file comparison of their draw-call dumps.
//
// Text styles (Arial 10 pt Unicode unless said; on the recording canvas at 96 pixels per inch
// an em of 13: ascent 13, descent 3, height 16, narrow characters 6 wide, ideographs 12):
//   0 plain   1 link (Jump, HoverColor red, HoverBackColor yellow)   2 underlined
//   3 CharScale 80 underlined   4 dash-dotted underline   5 blue on silver
// Paragraph styles: 0 plain   1 yellow background   2 justified
#pragma once

#include "platform/testing/recording_canvas.h"
#include "vellum/document/break_item_info.h"
#include "vellum/document/custom_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/layout/fixed_client_data.h"
#include "vellum/layout/paint_document.h"
#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace vellum::testing {

constexpr int32_t kPlain = 0;
constexpr int32_t kLink = 1;
constexpr int32_t kUnderlined = 2;
constexpr int32_t kScaled = 3;
constexpr int32_t kDashDotted = 4;
constexpr int32_t kBlueOnSilver = 5;

constexpr int32_t kParaPlain = 0;
constexpr int32_t kParaYellow = 1;
constexpr int32_t kParaJustify = 2;

inline void SetupPaintStyle(TRVStyle& style)
{
    style.TextStyles().Clear();
    auto add = [&style]() -> TFontInfo& {
        TFontInfo& info = style.TextStyles().Add();
        info.FontName = u"Arial";
        info.Unicode = true;
        return info;
    };
    add();
    TFontInfo& link = add();
    link.Jump = true;
    link.HoverColor = clRed;
    link.HoverBackColor = clYellow;
    add().Style.Include(fsUnderline);
    TFontInfo& scaled = add();
    scaled.CharScale = 80;
    scaled.Style.Include(fsUnderline);
    TFontInfo& dashed = add();
    dashed.Style.Include(fsUnderline);
    dashed.UnderlineType = rvutDashDotted;
    TFontInfo& blue = add();
    blue.Color = clBlue;
    blue.BackColor = clSilver;
    style.ParaStyles().Clear();
    style.ParaStyles().Add();
    style.ParaStyles().Add().Background.Color = clYellow;
    style.ParaStyles().Add().Alignment = rvaJustify;
}

inline std::string Utf16Le(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        out += char(c & 0xFF);
        out += char(c >> 8);
    }
    return out;
}

// A document in the painting style sheet; its layout and painting canvases are recording ones.
class PaintDoc {
public:
    PaintDoc()
    {
        SetupPaintStyle(style);
        data.Settings().Style = &style;
        data.SetCanvas(&measure);
    }

    // A text item starting a paragraph (NEWPARA), a new line (NEWLINE) or continuing the line.
    PaintDoc& Text(std::u16string_view text, int32_t styleNo = kPlain, bool newPara = true,
                   int32_t paraNo = kParaPlain, bool newLine = false)
    {
        auto item = std::make_unique<TRVTextItemInfo>(&data);
        item->StyleNo = styleNo;
        item->ParaNo = paraNo;
        uint8_t flags = rvioUnicodeText;
        if (newLine)
            flags |= rvioStartsNewLine;
        else if (!newPara)
            flags |= rvioContinuesParagraph;
        item->Options = flags;
        data.InsertItemAt(data.CountItems(), Utf16Le(text), std::move(item));
        return *this;
    }
    PaintDoc& More(std::u16string_view text, int32_t styleNo = kPlain) { return Text(text, styleNo, false); }
    // A text item starting a new line of the last item's paragraph.
    PaintDoc& Line(std::u16string_view text, int32_t styleNo = kPlain)
    {
        return Text(text, styleNo, false, data.ItemAt(data.CountItems() - 1)->ParaNo, true);
    }

    // A picture item without a picture, WIDTH x HEIGHT, continuing the line.
    PaintDoc& Picture(int32_t width, int32_t height)
    {
        auto item = std::make_unique<TRVGraphicItemInfo>(&data);
        item->width = width;
        item->height = height;
        item->Options = rvioContinuesParagraph;
        data.InsertItemAt(data.CountItems(), std::move(item));
        return *this;
    }

    PaintDoc& Format(int32_t clientWidth = 400)
    {
        data.SetClientSize(clientWidth, 100000);
        data.Format(false, true, false, true, false, nullptr, 0, false);
        return *this;
    }

    // Paints the whole client area CLIENTWIDTH x HEIGHT (or ARGS as given) and returns the dump.
    std::string Paint(PaintArgs args = {}, int32_t height = 200)
    {
        canvas.ClearLog();
        args.canvas = &canvas;
        if (args.clip.IsEmpty())
            args.clip = {0, 0, data.GetClientWidth(), height};
        report = PaintDocument(data, args);
        return canvas.Dump();
    }

    TRVStyle style; // first: the items of the document refer to it until they go
    platform::RecordingCanvas measure{1, 1, 96, 96};
    platform::RecordingCanvas canvas{400, 400, 96, 96};
    FixedClientData data;
    PaintReport report;
};

// The selection from draw item START at STARTOFFS to END at ENDOFFS.
inline PaintSelection Selected(int32_t start, int32_t startOffs, int32_t end, int32_t endOffs)
{
    return {start, startOffs, end, endOffs, false};
}

// Selects as Selected does, on the document.
inline void Select(FixedClientData& data, int32_t start, int32_t startOffs, int32_t end, int32_t endOffs)
{
    data.SetSelection({start, startOffs}, {end, endOffs});
}

// Compares ACTUAL with tests/golden/paint/expected/NAME.txt; with WENLOCKE_REBASELINE set the
// file is written instead (scripts/rebaseline).
inline void ExpectGolden(const std::string& name, const std::string& actual)
{
    const std::string path = std::string(WENLOCKE_SOURCE_DIR) + "/tests/golden/paint/expected/" + name + ".txt";
    if (std::getenv("WENLOCKE_REBASELINE")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path << " (run scripts/rebaseline)";
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(expected.str(), actual) << "golden " << name;
}

} // namespace vellum::testing
