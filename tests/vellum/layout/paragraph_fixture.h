// Documents built item by item and formatted on the recording canvas, for the paragraph layout
// tests. Text style 0 is 12 pt: a 16-pixel em, so lines of it are 20 high (ascent 16, descent
// 4) and narrow characters 8 wide; style 1 is 15 pt (10 wide, 25 high), style 2 24 pt (16
// wide, 40 high). Every paragraph style starts left-aligned. The client is 410 wide with margins of 5, so lines are 400 wide from x 5.
#pragma once

#include <memory>
#include <string>

#include "platform/testing/recording_canvas.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/item_registry.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/tab_item_info.h"
#include "vellum/layout/fixed_client_data.h"
#include "vellum/style/rv_style.h"

namespace vellum::testing {

class ParagraphFixture {
public:
    ParagraphFixture()
    {
        m_doc.Settings().Style = &m_style;
        m_doc.SetCanvas(&m_canvas);
        m_doc.SetClientSize(410, 100000);
        // Styles 1 and 2 start as copies of style 0 (the style sheet's own are a link and so
        // on).
        TFontInfos& text = m_style.TextStyles();
        while (text.Count() < 3)
            text.Add();
        text[0].Size = 12;
        for (int i = 1; i < 3; ++i)
            text[i].Assign(text[0]);
        text[1].Size = 15;
        text[2].Size = 24;
        Para(1).Alignment = rvaLeft; // the style sheet starts with style 1 centred
    }

    FixedClientData& Doc() { return m_doc; }
    TRVStyle& Style() { return m_style; }
    // Paragraph style NO, made (with defaults) when the table is shorter.
    TParaInfo& Para(int no)
    {
        while (m_style.ParaStyles().Count() <= no)
            m_style.ParaStyles().Add();
        return m_style.ParaStyles()[no];
    }

    // UTF-16 text in text style STYLENO; a new paragraph unless it continues the last one, or
    // a new line of the same paragraph with LINEBREAK.
    void Text(const std::u16string& text, int paraNo, bool newParagraph = true, int styleNo = 0,
              bool lineBreak = false)
    {
        auto item = CreateItemByStyleNo(&m_doc, styleNo);
        item->Options = rvioUnicodeText;
        Place(*item, paraNo, newParagraph, lineBreak);
        TRVRawByteString bytes;
        for (char16_t c : text) {
            bytes += char(c & 0xFF);
            bytes += char(c >> 8);
        }
        m_doc.InsertItemAt(m_doc.CountItems(), bytes, std::move(item));
    }
    void Tab(int paraNo, bool newParagraph = false)
    {
        auto item = std::make_unique<TRVTabItemInfo>(&m_doc);
        Place(*item, paraNo, newParagraph, false);
        m_doc.InsertItemAt(m_doc.CountItems(), std::move(item));
    }
    // A picture WIDTH x HEIGHT with no border.
    void Picture(int width, int height, uint8_t placement, int paraNo, bool newParagraph = false)
    {
        auto item = std::make_unique<TRVGraphicItemInfo>(&m_doc);
        item->width = width;
        item->height = height;
        item->Placement = placement;
        item->SetSpacing(0);
        Place(*item, paraNo, newParagraph, false);
        m_doc.InsertItemAt(m_doc.CountItems(), std::move(item));
    }
    void Marker(int32_t listNo, int32_t level, int paraNo)
    {
        auto item = std::make_unique<TRVMarkerItemInfo>(&m_doc, listNo, level, 1, false);
        Place(*item, paraNo, true, false);
        m_doc.InsertItemAt(m_doc.CountItems(), std::move(item));
    }

    void Format() { m_doc.Format(false, true, false, true, false, nullptr, 0, false); }
    const TRVDrawLineInfo& D(int index) const { return m_doc.DrawItems()[index]; }
    int Count() const { return m_doc.DrawItems().Count(); }
    int32_t Baseline(size_t line) const { return m_doc.Lines().at(line).baseline; }

private:
    static void Place(TCustomRVItemInfo& item, int paraNo, bool newParagraph, bool lineBreak)
    {
        item.ParaNo = paraNo;
        if (lineBreak)
            item.Options |= rvioStartsNewLine;
        else if (!newParagraph)
            item.Options |= rvioContinuesParagraph;
    }

    platform::RecordingCanvas m_canvas{1, 1, 96, 96};
    TRVStyle m_style;
    FixedClientData m_doc;
};

} // namespace vellum::testing
