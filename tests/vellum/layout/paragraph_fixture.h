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

    // Text in text style STYLENO; a new paragraph unless it continues the last one, or a new
    // line of the same paragraph with LINEBREAK.
    void Text(const std::u16string& text, int paraNo, bool newParagraph = true, int styleNo = 0,
              bool lineBreak = false)
    {
        m_doc.Text(text, styleNo, newParagraph && !lineBreak, paraNo);
        if (lineBreak)
            Last().Options = uint8_t((Last().Options & ~rvioContinuesParagraph) | rvioStartsNewLine);
    }
    void Tab(int paraNo, bool newParagraph = false)
    {
        auto item = std::make_unique<TRVTabItemInfo>(&Doc());
        Insert(std::move(item), paraNo, newParagraph);
    }
    // A picture WIDTH x HEIGHT with no border.
    void Picture(int width, int height, uint8_t placement, int paraNo, bool newParagraph = false)
    {
        m_doc.Picture(width, height, newParagraph, 0);
        Last().ParaNo = paraNo;
        static_cast<TRVRectItemInfo&>(Last()).Placement = placement;
    }
    void HorizontalLine() { m_doc.HorizontalLine(); }
    void Marker(int32_t listNo, int32_t level, int paraNo)
    {
        Insert(std::make_unique<TRVMarkerItemInfo>(&Doc(), listNo, level, 1, false), paraNo, true);
    }

    void Format() { m_doc.Format(m_clientWidth); }
    const TRVDrawLineInfo& D(int index) { return Doc().DrawItems()[index]; }
    int Count() { return Doc().DrawItems().Count(); }
    int32_t Baseline(size_t line) { return Doc().Lines().at(line).baseline; }

private:
    TCustomRVItemInfo& Last() { return *Doc().ItemAt(Doc().CountItems() - 1); }
    void Insert(std::unique_ptr<TCustomRVItemInfo> item, int paraNo, bool newParagraph)
    {
        item->ParaNo = paraNo;
        item->Options = newParagraph ? 0 : rvioContinuesParagraph;
        Doc().InsertItemAt(Doc().CountItems(), std::move(item));
    }

    LayoutDoc m_doc;
    int32_t m_clientWidth = 410;
};

} // namespace vellum::testing
