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

int32_t TCustomRVData::EffectiveStyleNo(const TCustomRVItemInfo& item) const
{
    if (item.StyleNo != rvsDefStyle)
        return item.StyleNo;
    const TRVStyle* style = GetRVStyle();
    if (!style)
        return 0;
    int32_t defStyleNo = style->ParaStyles()[item.ParaNo].DefStyleNo;
    return defStyleNo < 0 ? 0 : defStyleNo;
}

platform::CodePage TCustomRVData::CodePageOfStyle(int32_t styleNo) const
{
    const TRVStyle* style = GetRVStyle();
    if (!style)
        return 0;
    if (styleNo < 0)
        return style->DefaultCodePage();
    return style->StyleCodePage(styleNo);
}

TRVRawByteString TCustomRVData::SingleByteTextAt(int32_t itemNo) const
{
    const TCustomRVItemInfo& item = *Items[itemNo];
    if (item.StyleNo < 0 || !item.UnicodeText())
        return item.Text;
    return Utf16ToAnsi(CodePageOfStyle(EffectiveStyleNo(item)), item.Text);
}

int32_t TCustomRVData::ParaNoForAppend(int32_t paraNo) const
{
    if (paraNo >= 0)
        return paraNo;
    const TCustomRVItemInfo* last = Items.Last();
    return last && !last->FullLine() ? last->ParaNo : 0;
}

// One AppendTextLines run: the pending paragraph and page break, and the flush of collected
// bytes into text items.
class TCustomRVData::TextLineAppender {
public:
    TextLineAppender(TCustomRVData& doc, int32_t styleNo, int32_t firstParaNo, int32_t paraNo,
                     bool oneParagraph, bool singleByte, const RvTag& tag)
        : FDoc(doc), FStyleNo(styleNo < 0 ? rvsDefStyle : styleNo), FNextParaNo(paraNo),
          FOneParagraph(oneParagraph), FSingleByte(singleByte), FTag(tag),
          FPendingPara(firstParaNo >= 0), FPendingParaNo(firstParaNo)
    {
        const TRVStyle* style = doc.GetRVStyle();
        FTabsAsItems = style && style->SpacesInTab <= 0;
        FSpacesInTab = style ? style->SpacesInTab : 8;
    }

    void Run(std::string_view text)
    {
        size_t start = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            if (c == 9 && FTabsAsItems) {
                Flush(text.substr(start, i - start));
                AppendTab();
                start = i + 1;
                continue;
            }
            if (c != 10 && c != 13 && c != 12)
                continue;
            Flush(text.substr(start, i - start));
            // CR LF and LF CR are one break.
            bool pair = i + 1 < text.size() && ((c == 13 && text[i + 1] == 10) ||
                                                (c == 10 && text[i + 1] == 13));
            if (pair)
                ++i;
            start = i + 1;
            FPendingPara = true;
            FPendingParaNo = FNextParaNo;
            if (c == 12 && FDoc.AllowsPageBreaks())
                FPendingPageBreak = true;
        }
        Flush(text.substr(start));
    }

private:
    TRVRawByteString ExpandTabs(std::string_view bytes) const
    {
        size_t tabs = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\t'));
        if (tabs == 0)
            return TRVRawByteString(bytes);
        size_t spaces = static_cast<size_t>(std::max(FSpacesInTab, 0));
        auto extra = platform::CheckedMul(tabs, spaces);
        if (!extra || *extra > (size_t{1} << 30))
            throw std::length_error("tab expansion too large");
        TRVRawByteString text;
        text.reserve(bytes.size() + *extra);
        for (char c : bytes) {
            if (c == '\t')
                text.append(spaces, ' ');
            else
                text += c;
        }
        return text;
    }

    void Flush(std::string_view bytes)
    {
        if (bytes.empty() && !FPendingPara)
            return;
        auto item = CreateTextItem(&FDoc);
        item->StyleNo = FStyleNo;
        item->ParaNo = FPendingPara || FPendingPageBreak ? FPendingParaNo : -1;
        item->Tag = FTag;
        TRVRawByteString text = ExpandTabs(bytes);
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
    int32_t EffectiveStyle(const TCustomRVItemInfo& item) const
    {
        if (item.StyleNo != rvsDefStyle)
            return item.StyleNo;
        TRVTextItemInfo probe(nullptr);
        probe.StyleNo = rvsDefStyle;
        probe.ParaNo = FDoc.ParaNoForAppend(item.ParaNo);
        return FDoc.EffectiveStyleNo(probe);
    }

    bool IsUnicodeStyle(const TCustomRVItemInfo& item) const
    {
        const TRVStyle* style = FDoc.GetRVStyle();
        return style && style->TextStyles()[EffectiveStyle(item)].Unicode;
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

bool TCustomRVData::AppendTextLines(std::string_view text, int32_t styleNo, int32_t firstParaNo,
                                    int32_t paraNo, bool oneParagraph, bool singleByte,
                                    const RvTag& tag)
{
    bool saved = NewParagraphsAllowed;
    bool ok = true;
    try {
        TextLineAppender(*this, styleNo, firstParaNo, paraNo, oneParagraph, singleByte, tag)
            .Run(text);
    } catch (const std::exception&) {
        ok = false;
    }
    NewParagraphsAllowed = saved;
    return ok;
}

} // namespace vellum
