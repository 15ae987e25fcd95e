#include "vellum/rvf/rvf_document_sink.h"

#include "platform/checked_math.h"
#include "platform/codepage.h"
#include "vellum/document/control_item_info.h"
#include "vellum/document/item_registry.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/rvf/rvf_hex.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

// ReadWarnings bits.
constexpr int kWarnUnknownStyle = 2;
constexpr int kWarnConvertedToUnicode = 4;
constexpr int kWarnConvertedToSingleByte = 5;

constexpr uint8_t kItemFlagMask = rvioContinuesParagraph | rvioBreakPageBefore |
                                  rvioStartsNewLine | rvioUnicodeText;

// Sub-kinds of property records whose second line is a body.
bool PropertyHasBody(int32_t subKind)
{
    return subKind == 1 || subKind == 2 || subKind == 3 || subKind == 4 || subKind == 6;
}

constexpr int32_t kDocPropertyStrings = 5;

template <typename Infos>
int32_t FindStyleByName(const Infos& infos, std::string_view name)
{
    std::u16string wide = platform::ToUtf16(name, platform::SystemCodePage());
    for (int i = 0; i < infos.Count(); ++i)
        if (infos.InfoAt(i).StyleName == wide)
            return i;
    return 0;
}

RvTag MakeTag(const RvfTag& tag, bool strings)
{
    if (!strings)
        return RvTag::FromInt(tag.Int);
    return tag.Str ? RvTag::FromString(*tag.Str) : RvTag();
}

} // namespace

RvfDocumentSink::RvfDocumentSink(TCustomRVData& data, RvfInsertParams& params, RvfReadPass& pass)
    : FData(data), FParams(params), FPass(pass), FProperties(data, params, pass)
{
    FParams.Index = std::clamp(FParams.Index, 0, FData.CountItems());
    FPos = FParams.Index;
    FStartIndex = FParams.Index;
    FTopLevel = FData.OwnerDocument() == nullptr;
    // A checkpoint left at the end of the document goes to the first item appended after it.
    if (FPos == FData.CountItems() && !FParams.Edit && FData.EndCheckpoint)
        FEndCheckpointPending = true;
}

RvfDocumentSink::~RvfDocumentSink() = default;

TRVStyle* RvfDocumentSink::Style() const
{
    return FData.GetRVStyle();
}

TRVFOptions RvfDocumentSink::Options() const
{
    return FData.Settings().RVFOptions;
}

bool RvfDocumentSink::HasOption(TRVFOption option) const
{
    return vellum::HasOption(Options(), option);
}

void RvfDocumentSink::Warn(int bit)
{
    FData.Settings().ReadWarnings |= static_cast<uint8_t>(1u << bit);
}

int32_t RvfDocumentSink::TextStyleByName(std::string_view name)
{
    return Style() ? FindStyleByName(Style()->TextStyles(), name) : 0;
}

int32_t RvfDocumentSink::ParaStyleByName(std::string_view name)
{
    return Style() ? FindStyleByName(Style()->ParaStyles(), name) : 0;
}

int32_t RvfDocumentSink::ListStyleByName(std::string_view name)
{
    return Style() ? FindStyleByName(Style()->ListStyles(), name) : 0;
}

bool RvfDocumentSink::TagsAreStrings() const
{
    return FData.TagsArePChars();
}

// ---- Header ----------------------------------------------------------------------------------

RvfRecordPlan RvfDocumentSink::BeginRecord(RvfHeader& header, RvfFieldCursor& rest)
{
    FTemplate.reset();
    FItemText.clear();
    if (header.StyleNo == kRvfBackgroundRecord || header.StyleNo == kRvfPropertyRecord)
        FProperties.BeginRecord(header);
    if (header.StyleNo == kRvfBackgroundRecord)
        ApplyBackgroundHeader(header);
    else if (header.StyleNo != kRvfCheckpointRecord && header.StyleNo != kRvfPropertyRecord &&
             !PrepareTemplate(header, rest))
        return RvfRecordPlan::Fail;
    return PlanLines(header);
}

bool RvfDocumentSink::PrepareTemplate(RvfHeader& header, RvfFieldCursor& rest)
{
    FTemplate = CreateItemByStyleNo(&FData, header.StyleNo);
    if (!FTemplate)
        return true;
    FTemplate->BeforeLoading(FData);
    FTemplate->Options = header.Options & kItemFlagMask;
    FTemplate->Tag = MakeTag(header.Tag, TagsAreStrings());
    if (header.IsTextKind() && !CheckTextStyle(header.StyleNo, header.StyleByName))
        return false;
    FTemplate->StyleNo = header.StyleNo;
    if (header.ParaNo >= 0 && !CheckParaStyle(header.ParaNo, header.ParaByName))
        return false;
    FTemplate->ParaNo = header.ParaNo;
    if (!header.IsTextKind())
        return ReadItemHeaderRest(*FTemplate, rest, header, *this);
    // Text records may end with a quoted hint.
    if (rest.PeekChar() == '"') {
        std::optional<std::string> hint = rest.ReadQuoted();
        if (hint)
            FTemplate->Hint = DecodeRvfString(*hint, header.Utf8);
    }
    return true;
}

bool RvfDocumentSink::CheckTextStyle(int32_t& styleNo, bool byName)
{
    const bool convert = HasOption(rvfoConvUnknownStylesToZero);
    if (!byName && styleNo != rvsDefStyle && FPass.TextStyleMap) {
        const TRVIntegerList& map = *FPass.TextStyleMap;
        if (styleNo < 0 || static_cast<size_t>(styleNo) >= map.size()) {
            Warn(kWarnUnknownStyle);
            if (!convert)
                return false;
            styleNo = 0;
        } else {
            styleNo = map[static_cast<size_t>(styleNo)];
        }
    }
    if (styleNo == rvsDefStyle || !Style() || Style()->TextStyles().IsValidIndex(styleNo))
        return true;
    Warn(kWarnUnknownStyle);
    styleNo = 0;
    return convert;
}

bool RvfDocumentSink::CheckParaStyle(int32_t& paraNo, bool byName)
{
    if (!byName && FPass.ParaStyleMap) {
        const TRVIntegerList& map = *FPass.ParaStyleMap;
        if (static_cast<size_t>(paraNo) >= map.size()) {
            Warn(kWarnUnknownStyle);
            return false;
        }
        paraNo = map[static_cast<size_t>(paraNo)];
    }
    if (!Style() || Style()->ParaStyles().IsValidIndex(paraNo))
        return true;
    Warn(kWarnUnknownStyle);
    paraNo = 0;
    return HasOption(rvfoConvUnknownStylesToZero);
}

void RvfDocumentSink::ApplyBackgroundHeader(const RvfHeader& header)
{
    if (!HasOption(rvfoLoadBack) || !FParams.ReplaceStyles)
        return;
    if (FParams.Targets.Color)
        *FParams.Targets.Color = header.BackgroundColor;
    if (FParams.Targets.BackgroundStyle)
        *FParams.Targets.BackgroundStyle = header.BackgroundStyle;
}

RvfRecordPlan RvfDocumentSink::PlanLines(const RvfHeader& header) const
{
    if (!FTemplate) {
        bool ownLines = header.StyleNo == kRvfCheckpointRecord ||
                        header.StyleNo == kRvfBackgroundRecord ||
                        header.StyleNo == kRvfPropertyRecord;
        return ownLines ? RvfRecordPlan::ReadLines : RvfRecordPlan::SkipLines;
    }
    if (!FTemplate->ReadsDataLines())
        return RvfRecordPlan::SkipLines;
    if (FTemplate->UnicodeText() && header.DataMode != kRvfDataHexUnicode)
        return RvfRecordPlan::ReadUnicodeLines;
    return RvfRecordPlan::ReadLines;
}

// ---- Data lines ------------------------------------------------------------------------------

bool RvfDocumentSink::DataLine(RvfHeader& header, std::string_view line, RvfLineMode& mode)
{
    switch (header.StyleNo) {
    case kRvfCheckpointRecord:
        return CheckpointLine(header, line);
    case kRvfPropertyRecord:
        return PropertyLine(header, line, mode);
    case kRvfBackgroundRecord:
        // The picture body is the second line.
        if (header.DataMode == kRvfDataBinary && header.LineIndex == 0)
            mode = RvfLineMode::BinaryNext;
        return FProperties.BackgroundLine(header, line);
    default:
        return !FTemplate || ReadItemDataLine(*FTemplate, header, line, mode, FItemText, FItemContext);
    }
}

bool RvfDocumentSink::CheckpointLine(const RvfHeader& header, std::string_view line)
{
    if (FPendingCheckpoint || FEndCheckpointPending)
        return true;
    FPendingCheckpoint = std::make_unique<TRVCPInfo>();
    FPendingCheckpoint->Name = DecodeRvfString(line, header.Utf8);
    FPendingCheckpoint->Tag = MakeTag(header.Tag, TagsAreStrings());
    FPendingCheckpoint->RaiseEvent = header.RaiseEvent;
    FPendingCheckpoint->Pinned = header.Pinned;
    return true;
}

bool RvfDocumentSink::PropertyLine(const RvfHeader& header, std::string_view line, RvfLineMode& mode)
{
    if (PropertyHasBody(header.SubKind) && header.DataMode == kRvfDataBinary && header.LineIndex == 0)
        mode = RvfLineMode::BinaryNext;
    std::vector<std::string>* properties = FData.Settings().DocProperties;
    // Only a viewer's top-level document keeps property strings.
    if (header.SubKind == kDocPropertyStrings && properties && FTopLevel &&
        FParams.ReplaceStyles && HasOption(rvfoLoadDocProperties))
        properties->push_back(DecodeRvfString(line, header.Utf8));
    return FProperties.PropertyLine(header, line);
}

// ---- Insertion -------------------------------------------------------------------------------

bool RvfDocumentSink::Insert(RvfHeader& header, const std::string_view* text)
{
    // 1. Background and version records insert nothing.
    if (header.StyleNo == kRvfBackgroundRecord || header.StyleNo == kRvfVersionRecord)
        return true;
    // 2. Records without an item take the pending checkpoint with them.
    if (!FTemplate) {
        DiscardPendingCheckpoint();
        return true;
    }
    if (header.IsTextKind())
        return InsertText(header, text ? *text : std::string_view());
    return InsertTemplate(header);
}

void RvfDocumentSink::EndTextRecord(RvfHeader&)
{
    FTemplate.reset();
}

bool RvfDocumentSink::InsertText(RvfHeader& header, std::string_view line)
{
    // 3. Every line of a text record is an item made like the template. An editor does not
    // take text into styles that are protected against it.
    if (FParams.Edit && IsInsertProtected(FTemplate->StyleNo))
        return true;
    std::unique_ptr<TCustomRVItemInfo> item = CreateItemByStyleNo(&FData, FTemplate->StyleNo);
    item->BeforeLoading(FData);
    item->StyleNo = FTemplate->StyleNo;
    item->ParaNo = FTemplate->ParaNo;
    item->Options = FTemplate->Options;
    item->Hint = FTemplate->Hint;
    item->Tag = FTemplate->Tag;
    TRVRawByteString text(line);
    if (item->UnicodeText() && header.DataMode == kRvfDataHexUnicode)
        text = DecodeRvfHex(line).bytes;
    if (item->UnicodeText() && text.size() % 2 != 0)
        text.pop_back(); // UTF-16 text holds whole code units only
    return InsertItem(std::move(item), std::move(text), header.ParaNo);
}

bool RvfDocumentSink::IsInsertProtected(int32_t styleNo) const
{
    return Style() && Style()->TextStyles().IsValidIndex(styleNo) &&
           Style()->TextStyles()[styleNo].Protection.Contains(rvprRVFInsertProtect);
}

bool RvfDocumentSink::InsertTemplate(RvfHeader& header)
{
    // 4. Other kinds insert the template itself, unless it is not usable.
    std::unique_ptr<TCustomRVItemInfo> item = std::move(FTemplate);
    if (!CheckDrawingStyle(*item, header) || !item->Valid())
        return true;
    if (item->UnicodeText() && FItemText.size() % 2 != 0)
        FItemText.pop_back();
    if (item->StyleNo == rvsListMarker)
        CheckMarkerList(*item, header.ItemByName);
    return InsertItem(std::move(item), std::move(FItemText), header.ParaNo);
}

bool RvfDocumentSink::CheckDrawingStyle(TCustomRVItemInfo& item, const RvfHeader& header)
{
    int32_t styleNo = item.DrawingTextStyle();
    if (styleNo < 0 || header.ItemByName)
        return true;
    const bool convert = HasOption(rvfoConvUnknownStylesToZero);
    if (styleNo != rvsDefStyle && FPass.TextStyleMap && !FPass.TextStyleMap->empty()) {
        const TRVIntegerList& map = *FPass.TextStyleMap;
        if (static_cast<size_t>(styleNo) >= map.size()) {
            Warn(kWarnUnknownStyle);
            if (!convert)
                return false;
            styleNo = 0;
        }
        styleNo = map[static_cast<size_t>(styleNo)];
    }
    if (styleNo != rvsDefStyle && Style() && !Style()->TextStyles().IsValidIndex(styleNo)) {
        Warn(kWarnUnknownStyle);
        if (!convert)
            return false;
        styleNo = 0;
    }
    item.SetDrawingTextStyle(styleNo);
    return true;
}

void RvfDocumentSink::CheckMarkerList(TCustomRVItemInfo& item, bool byName)
{
    auto& marker = static_cast<TRVMarkerItemInfo&>(item);
    if (FPass.ListStyleMap && !byName && marker.ListNo >= 0) {
        const TRVIntegerList& map = *FPass.ListStyleMap;
        if (static_cast<size_t>(marker.ListNo) < map.size()) {
            marker.ListNo = map[static_cast<size_t>(marker.ListNo)];
        } else {
            Warn(kWarnUnknownStyle);
            marker.ListNo = 0;
        }
    }
    int32_t listCount = Style() ? Style()->ListStyles().Count() : 0;
    if (marker.ListNo >= listCount) {
        Warn(kWarnUnknownStyle);
        marker.ListNo = listCount > 0 ? 0 : -1;
    }
}

void RvfDocumentSink::DiscardPendingCheckpoint()
{
    FPendingCheckpoint.reset();
    if (FEndCheckpointPending) {
        FData.TakeEndCheckpoint();
        FEndCheckpointPending = false;
    }
}

bool RvfDocumentSink::InsertItem(std::unique_ptr<TCustomRVItemInfo> item, TRVRawByteString text,
                                 int32_t headerParaNo)
{
    // 5. Paragraph, 6. palette, 7. checkpoint, 8. text conversion.
    ApplyParagraph(*item, headerParaNo);
    item->RefreshPalette(FData.Settings().PaletteMode(), false);
    AttachPendingCheckpoint(*item);
    ConvertText(*item, text);
    // 10 and 11. Insertion; the first item may take its paragraph from the caller.
    if (FFirstItem && FParams.Append)
        ApplyFirstItemParagraph(*item);
    if (FPos == 0) {
        // Nothing precedes the first item of a document, so it starts a paragraph.
        item->SetContinuesParagraph(false);
        item->SetStartsNewLine(false);
    }
    int32_t itemNo = FPos;
    FData.InsertItemAt(itemNo, text, std::move(item));
    FPos = platform::CheckedAdd<int32_t>(FPos, 1).value();
    if (FFirstItem) {
        FParams.Index = itemNo;
        FFirstItem = false;
    } else {
        ++FParams.ItemsAdded;
    }
    AfterInserted(itemNo);
    return true;
}

void RvfDocumentSink::ApplyParagraph(TCustomRVItemInfo& item, int32_t headerParaNo)
{
    item.Options &= kItemFlagMask;
    TCustomRVItemInfo* previous = FPos > 0 ? FData.ItemAt(FPos - 1) : nullptr;
    if (headerParaNo == -1 && previous && !previous->FullLine()) {
        item.SetContinuesParagraph(true);
        item.ParaNo = previous->ParaNo;
        return;
    }
    item.Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
    if (item.FullLine())
        item.Options &= static_cast<uint8_t>(~rvioStartsNewLine);
    if (item.BreakPageBefore())
        item.Options &= static_cast<uint8_t>(~rvioStartsNewLine);
    // Paragraph numbers below -1 are not valid references; they read as the first style.
    item.ParaNo = item.ParaNo < 0 ? 0 : item.ParaNo;
}

void RvfDocumentSink::ApplyFirstItemParagraph(TCustomRVItemInfo& item)
{
    TCustomRVItemInfo* previous = FPos > 0 ? FData.ItemAt(FPos - 1) : nullptr;
    if (FParams.ParaNo == -1 && previous && !previous->FullLine()) {
        item.SetContinuesParagraph(true);
        item.ParaNo = previous->ParaNo;
        return;
    }
    item.SetContinuesParagraph(false);
    item.SetStartsNewLine(false);
    item.ParaNo = FParams.ParaNo < 0 ? 0 : FParams.ParaNo;
}

void RvfDocumentSink::AttachPendingCheckpoint(TCustomRVItemInfo& item)
{
    if (FEndCheckpointPending) {
        FPendingCheckpoint = FData.TakeEndCheckpoint();
        FEndCheckpointPending = false;
    }
    if (FPendingCheckpoint)
        item.AttachedCheckpoint = std::move(FPendingCheckpoint);
}

void RvfDocumentSink::ConvertText(TCustomRVItemInfo& item, TRVRawByteString& text)
{
    if (item.StyleNo < 0 || !Style())
        return;
    int32_t styleNo = FData.EffectiveStyleNo(item);
    bool unicodeStyle = Style()->TextStyles().IsValidIndex(styleNo) &&
                        Style()->TextStyles()[styleNo].Unicode;
    platform::CodePage codePage = FData.CodePageOfStyle(styleNo);
    if (item.UnicodeText() && !unicodeStyle) {
        text = Utf16ToAnsi(codePage, text);
        item.SetUnicodeText(false);
        Warn(kWarnConvertedToSingleByte);
    } else if (!item.UnicodeText() && unicodeStyle) {
        text = AnsiToUtf16(codePage, text);
        item.SetUnicodeText(true);
        Warn(kWarnConvertedToUnicode);
    }
}

void RvfDocumentSink::AfterInserted(int32_t itemNo)
{
    // 12. Controls hear that they were loaded; items finish loading outside nested reads.
    TCustomRVItemInfo* item = FData.ItemAt(itemNo);
    if (auto* control = dynamic_cast<TRVControlItemInfo*>(item))
        FData.DoControlAction(rvcaAfterRVFLoad, itemNo, control->HostedControl.get());
    if (!FData.HasDataState(rvstReadingNested))
        item->AfterLoading();
}

// ---- After the last record -------------------------------------------------------------------

void RvfDocumentSink::FinishItems()
{
    // A list marker never ends its paragraph: give it an empty text item to stand before.
    if (FPos > 0 && FData.ItemAt(FPos - 1)->StyleNo == rvsListMarker &&
        (FPos == FData.CountItems() || FData.StartsParagraphAt(FPos))) {
        std::unique_ptr<TCustomRVItemInfo> empty = CreateItemByStyleNo(&FData, 0);
        empty->ParaNo = -1;
        InsertItem(std::move(empty), TRVRawByteString(), -1);
    }
    if (!FParams.Edit && FData.CountItems() > 0)
        FData.NormalizeParas(std::min(FStartIndex, FData.CountItems() - 1));
}

void RvfDocumentSink::FinishCheckpoints(bool success)
{
    FTemplate.reset();
    if (success && FPos == FData.CountItems() && !FData.EndCheckpoint && FPendingCheckpoint) {
        FData.SetEndCheckpoint(std::move(FPendingCheckpoint));
        return;
    }
    FPendingCheckpoint.reset();
}

} // namespace vellum
