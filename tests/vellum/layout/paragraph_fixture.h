// Documents built item by item and formatted on the recording canvas, for the paragraph layout
// tests. Text styles (Arial, Unicode): 0 is 12 pt, a 16-pixel em, so lines of it are 20 high
// (ascent 16, descent 4) and narrow characters 8 wide; 1 is 15 pt (10 wide, 25 high); 2 is
// 24 pt (16 wide, 40 high). Paragraph styles 0 to 2 start with the defaults. The client is 410
// wide unless set, with margins of 5, so lines are 400 wide from x 5.
#pragma once

#include <memory>
#include <string>

#include "tests/vellum/layout/layout_test_util.h"
#include "vellum/document/tab_item_info.h"

namespace vellum::testing {

// Appends a paragraph style made by SETUP from the defaults; returns its number.
template <typename Setup>
int32_t AddParaStyle(LayoutDoc& doc, Setup&& setup)
{
    TParaInfo& para = doc.Style().ParaStyles().Add();
    setup(para);
    return doc.Style().ParaStyles().Count() - 1;
}

inline TCustomRVItemInfo& LastItem(LayoutDoc& doc)
{
    return *doc.data.ItemAt(doc.data.CountItems() - 1);
}

// Appends ITEM to paragraph style PARANO, starting a paragraph or continuing the last one.
inline void AppendInPara(LayoutDoc& doc, std::unique_ptr<TCustomRVItemInfo> item, int32_t paraNo, bool newPara)
{
    item->ParaNo = paraNo;
    item->Options = newPara ? 0 : rvioContinuesParagraph;
    doc.data.InsertItemAt(doc.data.CountItems(), std::move(item));
}

inline void AddTab(LayoutDoc& doc, int32_t paraNo, bool newPara)
{
    AppendInPara(doc, std::make_unique<TRVTabItemInfo>(&doc.data), paraNo, newPara);
}

inline void AddListMarker(LayoutDoc& doc, int32_t listNo, int32_t level, int32_t paraNo)
{
    AppendInPara(doc, std::make_unique<TRVMarkerItemInfo>(&doc.data, listNo, level, 1, false), paraNo, true);
}

// A borderless picture WIDTH x HEIGHT in paragraph style PARANO with PLACEMENT (2 line top,
// 3 line bottom, 4 line middle).
inline void AddPlacedPicture(LayoutDoc& doc, int32_t width, int32_t height, uint8_t placement, int32_t paraNo,
                             bool newPara)
{
    doc.Picture(width, height, newPara, 0);
    LastItem(doc).ParaNo = paraNo;
    static_cast<TRVRectItemInfo&>(LastItem(doc)).Placement = placement;
}

class ParagraphFixture {
public:
    ParagraphFixture()
    {
        TFontInfos& text = m_doc.Style().TextStyles();
        text.Clear();
        for (int size : {12, 15, 24}) {
            TFontInfo& info = text.Add();
            info.FontName = u"Arial";
            info.Size = size;
            info.Unicode = true;
        }
        m_doc.Style().ParaStyles().Clear();
        Para(2);
    }

    FixedClientData& Doc() { return m_doc.data; }
    TRVStyle& Style() { return m_doc.Style(); }
    void SetClientWidth(int32_t width) { m_clientWidth = width; }
    // Paragraph style NO, made (with defaults) when the table is shorter.
    TParaInfo& Para(int no)
    {
        while (Style().ParaStyles().Count() <= no)
            Style().ParaStyles().Add();
        return Style().ParaStyles()[no];
    }

    void SetLineSpacing(int paraNo, TRVLineSpacingType type, int32_t value)
    {
        Para(paraNo).LineSpacingType = type;
        Para(paraNo).LineSpacing = value;
    }

    // Text in text style STYLENO; a new paragraph unless it continues the last one, or a new
    // line of the same paragraph with LINEBREAK.
    void Text(const std::u16string& text, int paraNo, bool newParagraph = true, int styleNo = 0,
              bool lineBreak = false)
    {
        m_doc.Text(text, styleNo, newParagraph && !lineBreak, paraNo);
        if (lineBreak)
            Last().Options = uint8_t((Last().Options & ~rvioContinuesParagraph) | rvioStartsNewLine);
    }
    void Tab(int paraNo, bool newParagraph = false) { AddTab(m_doc, paraNo, newParagraph); }
    // A picture WIDTH x HEIGHT with no border.
    void Picture(int width, int height, uint8_t placement, int paraNo, bool newParagraph = false)
    {
        AddPlacedPicture(m_doc, width, height, placement, paraNo, newParagraph);
    }
    void HorizontalLine() { m_doc.HorizontalLine(); }
    void Marker(int32_t listNo, int32_t level, int paraNo) { AddListMarker(m_doc, listNo, level, paraNo); }

    void Format() { m_doc.Format(m_clientWidth); }
    const TRVDrawLineInfo& D(int index) { return Doc().DrawItems()[index]; }
    int Count() { return Doc().DrawItems().Count(); }
    int32_t Baseline(size_t line) { return Doc().Lines().at(line).baseline; }

private:
    TCustomRVItemInfo& Last() { return LastItem(m_doc); }

    LayoutDoc m_doc;
    int32_t m_clientWidth = 410;
};

} // namespace vellum::testing
