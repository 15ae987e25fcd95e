#include "vellum/document/custom_item_info.h"

#include <utility>

#include "vellum/document/custom_rv_data.h"
#include "vellum/layout/resolution_pair.h"

#include <algorithm>
#include <climits>

namespace vellum {

TCustomRVItemInfo::TCustomRVItemInfo(TCustomRVData* rvData) {}

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

bool TCustomRVItemInfo::BoolQuery(int code) const
{
    return code == rvbpValid || code == rvbpReadsDataLines || code >= rvbpStyleApplicable;
}

bool TCustomRVItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    return code == 1;
}

void TCustomRVItemInfo::BeforeInsertion(TCustomRVData& rvData)
{
    rvData.DoItemAction(rviaInserting, this, Text);
}

void TCustomRVItemInfo::AfterInsertion(TCustomRVData& rvData, int32_t itemNo)
{
    rvData.DoItemAction(rviaInserted, this, Text);
}

void TCustomRVItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    if (typeid(*this) == typeid(source))
        StyleNo = source.StyleNo;
    ParaNo = source.ParaNo;
    Options = source.Options;
    Hint = source.Hint;
}

bool TCustomRVItemInfo::StoreExtraStr(int prop, const std::string& value)
{
    if (prop != rvespHint)
        return false;
    Hint = value;
    return true;
}

bool TCustomRVItemInfo::FetchExtraStr(int prop, std::string& value) const
{
    if (prop != rvespHint)
        return false;
    value = Hint;
    return true;
}

std::unique_ptr<TCustomRVData> TCustomRVItemInfo::ReleaseNestedDocument(int32_t index)
{
    return nullptr;
}

// A copy of the item alone: nested documents of the copy stay empty.
static std::unique_ptr<TCustomRVItemInfo> CopyShallow(const TCustomRVItemInfo& source,
                                                      TCustomRVData* rvData)
{
    auto copy = source.NewSameClass(rvData);
    copy->AssignFrom(source);
    copy->Text = source.Text;
    copy->Tag = source.Tag;
    return copy;
}

using NestedPairs = std::vector<std::pair<const TCustomRVData*, TCustomRVData*>>;

static void CollectNestedPairs(const TCustomRVItemInfo& source, TCustomRVItemInfo& copy,
                               NestedPairs& pairs)
{
    int32_t count = std::min(source.NestedDocumentCount(), copy.NestedDocumentCount());
    for (int32_t i = 0; i < count; ++i) {
        const TCustomRVData* from = source.NestedDocument(i);
        TCustomRVData* to = copy.NestedDocument(i);
        if (from && to)
            pairs.emplace_back(from, to);
    }
}

static void CopyDocumentItems(const TCustomRVData& from, TCustomRVData& to, NestedPairs& pairs)
{
    to.Clear();
    for (int32_t i = 0; i < from.CountItems(); ++i) {
        const TCustomRVItemInfo& source = *from.ItemAt(i);
        auto copy = CopyShallow(source, &to);
        if (source.AttachedCheckpoint)
            copy->AttachedCheckpoint = std::make_unique<TRVCPInfo>(source.AttachedCheckpoint->CopyData());
        CollectNestedPairs(source, *copy, pairs);
        to.InsertItemAt(to.CountItems(), std::move(copy));
    }
    if (from.EndCheckpoint)
        to.SetEndCheckpoint(std::make_unique<TRVCPInfo>(from.EndCheckpoint->CopyData()));
}

std::unique_ptr<TCustomRVItemInfo> TCustomRVItemInfo::MakeCopy(TCustomRVData* rvData) const
{
    auto copy = CopyShallow(*this, rvData);
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

std::unique_ptr<TCustomRVItemInfo> TRVTextItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVTextItemInfo>(rvData);
}

void TRVNonTextItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TCustomRVItemInfo::AssignFrom(source);
    if (auto* src = dynamic_cast<const TRVNonTextItemInfo*>(&source))
        unremovable = src->unremovable;
}

bool TRVNonTextItemInfo::StoreExtraInt(int prop, int32_t value)
{
    if (prop != rvepUnremovable)
        return TCustomRVItemInfo::StoreExtraInt(prop, value);
    unremovable = value != 0;
    return true;
}

bool TRVNonTextItemInfo::FetchExtraInt(int prop, int32_t& value) const
{
    if (prop != rvepUnremovable)
        return TCustomRVItemInfo::FetchExtraInt(prop, value);
    value = unremovable;
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

bool TRVFullLineItemInfo::BoolQuery(int code) const
{
    return code == rvbpFullLine || TRVNonTextItemInfo::BoolQuery(code);
}

void TRVRectItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVNonTextItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVRectItemInfo*>(&source);
    if (!src)
        return;
    minheightonpage = src->minheightonpage;
    Placement = src->Placement;
    vshift = src->vshift;
    vshiftabs = src->vshiftabs;
    Fspacing = src->Fspacing;
}

bool TRVRectItemInfo::StoreExtraInt(int prop, int32_t value)
{
    switch (prop) {
    case rvepVShift: vshift = value; return true;
    case rvepVShiftAbs: vshiftabs = value != 0; return true;
    case rvepSpacing: SetSpacing(value); return true;
    default: return TRVNonTextItemInfo::StoreExtraInt(prop, value);
    }
}

bool TRVRectItemInfo::FetchExtraInt(int prop, int32_t& value) const
{
    switch (prop) {
    case rvepVShift: value = vshift; return true;
    case rvepVShiftAbs: value = vshiftabs; return true;
    case rvepSpacing: value = Fspacing; return true;
    default: return TRVNonTextItemInfo::FetchExtraInt(prop, value);
    }
}

} // namespace vellum
