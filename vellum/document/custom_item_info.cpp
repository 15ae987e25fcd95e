#include "vellum/document/custom_item_info.h"

#include <utility>

#include "vellum/document/custom_rv_data.h"
#include "vellum/layout/resolution_pair.h"

#include <algorithm>
#include <climits>

namespace vellum {

TCustomRVItemInfo::TCustomRVItemInfo(TCustomRVData* RVData) {}

TCustomRVItemInfo::~TCustomRVItemInfo() = default;

void TCustomRVItemInfo::SetContinuesParagraph(bool value)
{
    if (!value) {
        Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
        return;
    }
    Options |= rvioContinuesParagraph;
    Options &= static_cast<uint8_t>(~(rvioBreakPageBefore | rvioStartsNewLine));
}

void TCustomRVItemInfo::SetBreakPageBefore(bool value)
{
    if (!value) {
        Options &= static_cast<uint8_t>(~rvioBreakPageBefore);
        return;
    }
    Options |= rvioBreakPageBefore;
    Options &= static_cast<uint8_t>(~(rvioContinuesParagraph | rvioStartsNewLine));
}

void TCustomRVItemInfo::SetStartsNewLine(bool value)
{
    if (!value || FullLine()) {
        Options &= static_cast<uint8_t>(~rvioStartsNewLine);
        return;
    }
    Options |= rvioStartsNewLine;
    Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
}

void TCustomRVItemInfo::SetUnicodeText(bool value)
{
    if (value)
        Options |= rvioUnicodeText;
    else
        Options &= static_cast<uint8_t>(~rvioUnicodeText);
}

bool TCustomRVItemInfo::BoolQuery(int Code) const
{
    return Code == rvbpValid || Code == rvbpReadsDataLines || Code >= rvbpStyleApplicable;
}

bool TCustomRVItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    return Code == 1;
}

void TCustomRVItemInfo::BeforeInsertion(TCustomRVData& RVData)
{
    RVData.DoItemAction(rviaInserting, this, Text);
}

void TCustomRVItemInfo::AfterInsertion(TCustomRVData& RVData, int32_t ItemNo)
{
    RVData.DoItemAction(rviaInserted, this, Text);
}

void TCustomRVItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    if (typeid(*this) == typeid(Source))
        StyleNo = Source.StyleNo;
    ParaNo = Source.ParaNo;
    Options = Source.Options;
    Hint = Source.Hint;
}

bool TCustomRVItemInfo::StoreExtraStr(int Prop, const std::string& Value)
{
    if (Prop != rvespHint)
        return false;
    Hint = Value;
    return true;
}

bool TCustomRVItemInfo::FetchExtraStr(int Prop, std::string& Value) const
{
    if (Prop != rvespHint)
        return false;
    Value = Hint;
    return true;
}

std::unique_ptr<TCustomRVData> TCustomRVItemInfo::ReleaseNestedDocument(int32_t Index)
{
    return nullptr;
}

// A copy of the item alone: nested documents of the copy stay empty.
static std::unique_ptr<TCustomRVItemInfo> CopyShallow(const TCustomRVItemInfo& Source,
                                                      TCustomRVData* RVData)
{
    auto copy = Source.NewSameClass(RVData);
    copy->AssignFrom(Source);
    copy->Text = Source.Text;
    copy->Tag = Source.Tag;
    return copy;
}

using NestedPairs = std::vector<std::pair<const TCustomRVData*, TCustomRVData*>>;

static void CollectNestedPairs(const TCustomRVItemInfo& Source, TCustomRVItemInfo& Copy,
                               NestedPairs& Pairs)
{
    int32_t count = std::min(Source.NestedDocumentCount(), Copy.NestedDocumentCount());
    for (int32_t i = 0; i < count; ++i) {
        const TCustomRVData* from = Source.NestedDocument(i);
        TCustomRVData* to = Copy.NestedDocument(i);
        if (from && to)
            Pairs.emplace_back(from, to);
    }
}

static void CopyDocumentItems(const TCustomRVData& From, TCustomRVData& To, NestedPairs& Pairs)
{
    To.Clear();
    for (int32_t i = 0; i < From.CountItems(); ++i) {
        const TCustomRVItemInfo& source = *From.ItemAt(i);
        auto copy = CopyShallow(source, &To);
        if (source.AttachedCheckpoint)
            copy->AttachedCheckpoint = std::make_unique<TRVCPInfo>(source.AttachedCheckpoint->CopyData());
        CollectNestedPairs(source, *copy, Pairs);
        To.InsertItemAt(To.CountItems(), std::move(copy));
    }
    if (From.EndCheckpoint)
        To.SetEndCheckpoint(std::make_unique<TRVCPInfo>(From.EndCheckpoint->CopyData()));
}

std::unique_ptr<TCustomRVItemInfo> TCustomRVItemInfo::MakeCopy(TCustomRVData* RVData) const
{
    auto copy = CopyShallow(*this, RVData);
    // Nested documents are copied level by level from a work list, never by recursion.
    NestedPairs pairs;
    CollectNestedPairs(*this, *copy, pairs);
    while (!pairs.empty()) {
        auto [from, to] = pairs.back();
        pairs.pop_back();
        CopyDocumentItems(*from, *to, pairs);
    }
    return copy;
}

} // namespace vellum

namespace vellum {

std::unique_ptr<TCustomRVItemInfo> TRVTextItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVTextItemInfo>(RVData);
}

void TRVNonTextItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TCustomRVItemInfo::AssignFrom(Source);
    if (auto* source = dynamic_cast<const TRVNonTextItemInfo*>(&Source))
        unremovable = source->unremovable;
}

bool TRVNonTextItemInfo::StoreExtraInt(int Prop, int32_t Value)
{
    if (Prop != rvepUnremovable)
        return TCustomRVItemInfo::StoreExtraInt(Prop, Value);
    unremovable = Value != 0;
    return true;
}

bool TRVNonTextItemInfo::FetchExtraInt(int Prop, int32_t& Value) const
{
    if (Prop != rvepUnremovable)
        return TCustomRVItemInfo::FetchExtraInt(Prop, Value);
    Value = unremovable;
    return true;
}

namespace {

int32_t ClampedSum(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

int32_t TCustomRVItemInfo::NarrowestWidth(const ResolutionPair& resolution) const
{
    return resolution.XToDevice(20);
}

ItemLayoutSize TCustomRVItemInfo::MeasureForLayout(const ItemLayoutContext&)
{
    return {};
}

int32_t TRVNonTextItemInfo::OuterWidth() const
{
    return ClampedSum(int64_t(ContentWidth()) + 2 * int64_t(BorderWidth()));
}

int32_t TRVNonTextItemInfo::OuterHeight() const
{
    return ClampedSum(int64_t(ContentHeight()) + 2 * int64_t(BorderHeight()));
}

ItemLayoutSize TRVRectItemInfo::MeasureForLayout(const ItemLayoutContext&)
{
    ItemLayoutSize size;
    size.belowBaseline = spacing();
    return size;
}

bool TRVFullLineItemInfo::BoolQuery(int Code) const
{
    return Code == rvbpFullLine || TRVNonTextItemInfo::BoolQuery(Code);
}

void TRVRectItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVNonTextItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVRectItemInfo*>(&Source);
    if (!source)
        return;
    minheightonpage = source->minheightonpage;
    Placement = source->Placement;
    vshift = source->vshift;
    vshiftabs = source->vshiftabs;
    Fspacing = source->Fspacing;
}

bool TRVRectItemInfo::StoreExtraInt(int Prop, int32_t Value)
{
    switch (Prop) {
    case rvepVShift: vshift = Value; return true;
    case rvepVShiftAbs: vshiftabs = Value != 0; return true;
    case rvepSpacing: SetSpacing(Value); return true;
    default: return TRVNonTextItemInfo::StoreExtraInt(Prop, Value);
    }
}

bool TRVRectItemInfo::FetchExtraInt(int Prop, int32_t& Value) const
{
    switch (Prop) {
    case rvepVShift: Value = vshift; return true;
    case rvepVShiftAbs: Value = vshiftabs; return true;
    case rvepSpacing: Value = Fspacing; return true;
    default: return TRVNonTextItemInfo::FetchExtraInt(Prop, Value);
    }
}

} // namespace vellum
