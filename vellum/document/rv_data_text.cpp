// The parts of a document that depend on its style sheet: effective styles, code pages, text
// conversion and plain-text insertion.
#include <algorithm>
#include <exception>

#include "platform/checked_math.h"
#include "vellum/document/custom_rv_data.h"
#include "vellum/document/item_registry.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/document/tab_item_info.h"
#include "vellum/style/rv_style.h"

namespace vellum {

int32_t TCustomRVData::EffectiveStyleNo(const TCustomRVItemInfo& Item) const
{
    if (Item.StyleNo != rvsDefStyle)
        return Item.StyleNo;
    const TRVStyle* style = GetRVStyle();
    if (!style)
        return 0;
    int32_t defStyleNo = style->ParaStyles()[Item.ParaNo].DefStyleNo;
    return defStyleNo < 0 ? 0 : defStyleNo;
}

platform::CodePage TCustomRVData::CodePageOfStyle(int32_t StyleNo) const
{
    const TRVStyle* style = GetRVStyle();
    if (!style)
        return 0;
    if (StyleNo < 0)
        return style->DefaultCodePage();
    return style->StyleCodePage(StyleNo);
}

TRVRawByteString TCustomRVData::SingleByteTextAt(int32_t ItemNo) const
{
    const TCustomRVItemInfo& item = *Items[ItemNo];
    if (item.StyleNo < 0 || !item.UnicodeText())
        return item.Text;
    return Utf16ToAnsi(CodePageOfStyle(EffectiveStyleNo(item)), item.Text);
}

int32_t TCustomRVData::ParaNoForAppend(int32_t ParaNo) const
{
    if (ParaNo >= 0)
        return ParaNo;
    const TCustomRVItemInfo* last = Items.Last();
    return last && !last->FullLine() ? last->ParaNo : 0;
}

// One AppendTextLines run: the pending paragraph and page break, and the flush of collected
// bytes into text items.
class TCustomRVData::TextLineAppender {
public:
    TextLineAppender(TCustomRVData& Doc, int32_t StyleNo, int32_t FirstParaNo, int32_t ParaNo,
                     bool OneParagraph, bool SingleByte, const RvTag& Tag)
        : FDoc(Doc), FStyleNo(StyleNo < 0 ? rvsDefStyle : StyleNo), FNextParaNo(ParaNo),
          FOneParagraph(OneParagraph), FSingleByte(SingleByte), FTag(Tag),
          FPendingPara(FirstParaNo >= 0), FPendingParaNo(FirstParaNo)
    {
        const TRVStyle* style = Doc.GetRVStyle();
        FTabsAsItems = style && style->SpacesInTab <= 0;
        FSpacesInTab = style ? style->SpacesInTab : 8;
    }

    void Run(std::string_view Text)
    {
        size_t start = 0;
        for (size_t i = 0; i < Text.size(); ++i) {
            char c = Text[i];
            if (c == 9 && FTabsAsItems) {
                Flush(Text.substr(start, i - start));
                AppendTab();
                start = i + 1;
                continue;
            }
            if (c != 10 && c != 13 && c != 12)
                continue;
            Flush(Text.substr(start, i - start));
            // CR LF and LF CR are one break.
            bool pair = i + 1 < Text.size() && ((c == 13 && Text[i + 1] == 10) ||
                                                (c == 10 && Text[i + 1] == 13));
            if (pair)
                ++i;
            start = i + 1;
            FPendingPara = true;
            FPendingParaNo = FNextParaNo;
            if (c == 12 && FDoc.AllowsPageBreaks())
                FPendingPageBreak = true;
        }
        Flush(Text.substr(start));
    }

private:
    TRVRawByteString ExpandTabs(std::string_view Bytes) const
    {
        size_t tabs = static_cast<size_t>(std::count(Bytes.begin(), Bytes.end(), '\t'));
        if (tabs == 0)
            return TRVRawByteString(Bytes);
        size_t spaces = static_cast<size_t>(std::max(FSpacesInTab, 0));
        auto extra = platform::CheckedMul(tabs, spaces);
        if (!extra || *extra > (size_t{1} << 30))
            throw std::length_error("tab expansion too large");
        TRVRawByteString text;
        text.reserve(Bytes.size() + *extra);
        for (char c : Bytes) {
            if (c == '\t')
                text.append(spaces, ' ');
            else
                text += c;
        }
        return text;
    }

    void Flush(std::string_view Bytes)
    {
        if (Bytes.empty() && !FPendingPara)
            return;
        auto item = CreateTextItem(&FDoc);
        item->StyleNo = FStyleNo;
        item->ParaNo = FPendingPara || FPendingPageBreak ? FPendingParaNo : -1;
        item->Tag = FTag;
        TRVRawByteString text = ExpandTabs(Bytes);
        if (IsUnicodeStyle(*item)) {
            item->SetUnicodeText(true);
            if (FSingleByte)
                text = AnsiToUtf16(FDoc.CodePageOfStyle(EffectiveStyle(*item)), text);
        }
        FDoc.AppendItem(text, std::move(item));
        FPendingPara = false;
        if (FPendingPageBreak)
            FDoc.SetPageBreakAt(FDoc.CountItems() - 1, true);
        FPendingPageBreak = false;
        if (FOneParagraph)
            FDoc.NewParagraphsAllowed = false;
    }

    void AppendTab()
    {
        auto tab = std::make_unique<TRVTabItemInfo>(&FDoc);
        tab->TabTextStyle = FStyleNo;
        tab->ParaNo = FPendingPara ? FPendingParaNo : -1;
        tab->Tag = FTag;
        FDoc.AppendItem(TRVRawByteString(), std::move(tab));
        FPendingPara = false;
    }

    // The style the item will have once appended (its paragraph decides the default style).
    int32_t EffectiveStyle(const TCustomRVItemInfo& Item) const
    {
        if (Item.StyleNo != rvsDefStyle)
            return Item.StyleNo;
        TRVTextItemInfo probe(nullptr);
        probe.StyleNo = rvsDefStyle;
        probe.ParaNo = FDoc.ParaNoForAppend(Item.ParaNo);
        return FDoc.EffectiveStyleNo(probe);
    }

    bool IsUnicodeStyle(const TCustomRVItemInfo& Item) const
    {
        const TRVStyle* style = FDoc.GetRVStyle();
        return style && style->TextStyles()[EffectiveStyle(Item)].Unicode;
    }

    TCustomRVData& FDoc;
    int32_t FStyleNo;
    int32_t FNextParaNo;
    bool FOneParagraph;
    bool FSingleByte;
    const RvTag& FTag;
    bool FPendingPara;
    int32_t FPendingParaNo;
    bool FPendingPageBreak = false;
    bool FTabsAsItems = false;
    int32_t FSpacesInTab = 8;
};

bool TCustomRVData::AppendTextLines(std::string_view Text, int32_t StyleNo, int32_t FirstParaNo,
                                    int32_t ParaNo, bool OneParagraph, bool SingleByte,
                                    const RvTag& Tag)
{
    bool saved = NewParagraphsAllowed;
    bool ok = true;
    try {
        TextLineAppender(*this, StyleNo, FirstParaNo, ParaNo, OneParagraph, SingleByte, Tag)
            .Run(Text);
    } catch (const std::exception&) {
        ok = false;
    }
    NewParagraphsAllowed = saved;
    return ok;
}

} // namespace vellum
