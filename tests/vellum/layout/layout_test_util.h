// Documents built from text for line formatting tests, formatted on the recording canvas.
//
// Text styles (all Arial; on the recording canvas at 96 pixels per inch, 10 pt is an em of 13:
// ascent 13, descent 3, height 16, narrow characters 6 wide, ideographs 12):
//   0 plain 10 pt (Unicode)   1 plain 20 pt (Unicode)   2 link 10 pt (Unicode)
//   3 subscript 10 pt         4 superscript 10 pt       5 VShift 50, 10 pt
//   6 plain 10 pt, 8-bit GBK text (charset 134)
// Paragraph styles: 0 plain, 1 no-wrap, 2 right-aligned, 3 SpaceBefore 2^31-1.
#pragma once

#include "platform/codepage.h"
#include "platform/testing/recording_canvas.h"
#include "vellum/document/break_item_info.h"
#include "vellum/document/custom_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/layout/fixed_client_data.h"
#include "vellum/layout/layout_dump.h"
#include "vellum/style/rv_style.h"

#include <climits>
#include <memory>
#include <string>

namespace vellum::testing {

constexpr int32_t kPlain = 0;
constexpr int32_t kBig = 1;
constexpr int32_t kLink = 2;
constexpr int32_t kSub = 3;
constexpr int32_t kSuper = 4;
constexpr int32_t kShifted = 5;
constexpr int32_t kGbk = 6;

constexpr int32_t kParaPlain = 0;
constexpr int32_t kParaNoWrap = 1;
constexpr int32_t kParaRight = 2;
constexpr int32_t kParaHugeSpace = 3;

inline void SetupLayoutStyle(TRVStyle& style)
{
    style.TextStyles().Clear();
    auto add = [&style](int size, bool unicode) -> TFontInfo& {
        TFontInfo& info = style.TextStyles().Add();
        info.FontName = u"Arial";
        info.Size = size;
        info.Unicode = unicode;
        return info;
    };
    add(10, true);
    add(20, true);
    add(10, true).Jump = true;
    add(10, true).SubSuperScriptType = rvsssSubscript;
    add(10, true).SubSuperScriptType = rvsssSuperScript;
    add(10, true).VShift = 50;
    add(10, false).Charset = 134;
    style.ParaStyles().Clear();
    style.ParaStyles().Add();
    style.ParaStyles().Add().Options.Include(rvpaoNoWrap);
    style.ParaStyles().Add().Alignment = rvaRight;
    style.ParaStyles().Add().SpaceBefore = INT_MAX;
}

inline std::string Utf16Bytes(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        out += char(c & 0xFF);
        out += char(c >> 8);
    }
    return out;
}

// A document in the layout style sheet on its own recording canvas.
class LayoutDoc {
public:
    LayoutDoc()
    {
        SetupLayoutStyle(m_style);
        data.Settings().Style = &m_style;
        data.SetCanvas(&canvas);
    }

    // A text item; NEWPARA starts a paragraph, else it continues the last one.
    LayoutDoc& Text(std::u16string_view text, int32_t styleNo = kPlain, bool newPara = true,
                    int32_t paraNo = kParaPlain)
    {
        auto item = std::make_unique<TRVTextItemInfo>(&data);
        item->StyleNo = styleNo;
        item->ParaNo = paraNo;
        const bool unicode = m_style.TextStyles()[styleNo].Unicode;
        item->Options = (newPara ? 0 : rvioContinuesParagraph) | (unicode ? rvioUnicodeText : 0);
        std::string bytes = unicode ? Utf16Bytes(text) : platform::FromUtf16(text, platform::kCodePageGbk);
        data.InsertItemAt(data.CountItems(), bytes, std::move(item));
        return *this;
    }
    LayoutDoc& More(std::u16string_view text, int32_t styleNo = kPlain) { return Text(text, styleNo, false); }

    // A picture item of its own size WIDTH x HEIGHT (no picture object) with the border SPACING.
    LayoutDoc& Picture(int32_t width, int32_t height, bool newPara = false, int32_t spacing = 1,
                       int32_t vshift = 0)
    {
        auto item = std::make_unique<TRVGraphicItemInfo>(&data);
        item->width = width;
        item->height = height;
        item->SetSpacing(spacing);
        item->vshift = vshift;
        item->Options = newPara ? 0 : rvioContinuesParagraph;
        data.InsertItemAt(data.CountItems(), std::move(item));
        return *this;
    }

    LayoutDoc& HorizontalLine()
    {
        auto item = std::make_unique<TRVBreakItemInfo>(&data);
        item->StyleNo = rvsBreak;
        data.InsertItemAt(data.CountItems(), std::move(item));
        return *this;
    }

    LayoutDoc& Marker(const std::string& text)
    {
        auto item = std::make_unique<TRVMarkerItemInfo>(&data);
        item->MarkerText = text;
        data.InsertItemAt(data.CountItems(), std::move(item));
        return *this;
    }

    // Formats for a client area CLIENTWIDTH wide and returns the dump.
    std::string Format(int32_t clientWidth, int32_t clientHeight = 100000)
    {
        data.SetClientSize(clientWidth, clientHeight);
        data.Format(false, true, false, true, false, nullptr, 0, false);
        return LayoutDump(data);
    }

    TRVStyle& Style() { return m_style; }

private:
    TRVStyle m_style; // first: the items of the document refer to it until they go

public:
    platform::RecordingCanvas canvas{1, 1, 96, 96};
    FixedClientData data;
};

} // namespace vellum::testing
