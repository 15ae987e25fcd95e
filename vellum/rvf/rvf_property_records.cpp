#include "vellum/rvf/rvf_property_records.h"

#include "platform/picture.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/rvf/rv_doc_parameters.h"
#include "vellum/rvf/rvf_layout_records.h"
#include "vellum/rvf/rvf_style_records.h"
#include "vellum/style/rv_style.h"

namespace vellum {

namespace {

constexpr int32_t kBodyLine = 1;
constexpr uint8_t kWarnUnknownStyle = 1 << 2;

void CopyLayout(const LayoutBody& body, TRVLayoutInfo& layout)
{
    layout.Loaded = true;
    if (body.HasMargins) {
        layout.LeftMargin = body.LeftMargin;
        layout.RightMargin = body.RightMargin;
        layout.TopMargin = body.TopMargin;
        layout.BottomMargin = body.BottomMargin;
        layout.MinTextWidth = body.MinTextWidth;
        layout.MaxTextWidth = body.MaxTextWidth;
        layout.BiDiMode = body.BiDiMode;
    }
    layout.FirstParaContinued = body.FirstParaContinued;
    layout.LastParaContinued = body.LastParaContinued;
    layout.ContinuedListNo = body.ContinuedListNo;
    layout.ContinuedListLevel = body.ContinuedListLevel;
}

} // namespace

RvfPropertyRecords::RvfPropertyRecords(TCustomRVData& data, RvfInsertParams& params, RvfReadPass& pass)
    : FData(data), FParams(params), FPass(pass)
{
}

bool RvfPropertyRecords::HasOption(TRVFOption option) const
{
    return vellum::HasOption(FData.Settings().RVFOptions, option);
}

void RvfPropertyRecords::BeginRecord(const RvfHeader& header)
{
    if (header.StyleNo == kRvfBackgroundRecord) {
        // The header's style and colour go to the caller; the old picture goes.
        if (HasOption(rvfoLoadBack) && Replacing() && FParams.Targets.BackgroundPicture)
            FParams.Targets.BackgroundPicture->reset();
        return;
    }
    TRVDocParameters* parameters = FData.Settings().DocParameters;
    if (header.StyleNo == kRvfPropertyRecord && header.SubKind == kRvfDocParameters && parameters &&
        !FData.OwnerDocument() && Replacing() && HasOption(rvfoLoadDocProperties))
        parameters->Reset();
}

bool RvfPropertyRecords::PropertyLine(const RvfHeader& header, std::string_view line)
{
    if (IsRvfStyleTable(header.SubKind))
        return header.LineIndex != kBodyLine || ApplyStyleTable(header, line);
    if (header.SubKind == kRvfLayoutRecord && header.LineIndex == kBodyLine)
        ApplyLayout(header, line);
    if (header.SubKind == kRvfDocParameters)
        return ApplyDocParameter(line);
    // Preceding markers (sub-kind 6) matter only to documents that keep such a list; these
    // documents do not, so the body is read past.
    return true;
}

bool RvfPropertyRecords::ApplyStyleTable(const RvfHeader& header, std::string_view line)
{
    const DocumentSettings& settings = FData.Settings();
    RvfStyleTableContext context;
    context.Style = FData.GetRVStyle();
    context.TextMode = settings.RVFTextStylesReadMode;
    context.ParaMode = settings.RVFParaStylesReadMode;
    context.ReplaceStyles = Replacing();
    context.Warnings = &FData.Settings().ReadWarnings;
    context.OwnerDocument = &FData;
    context.TextMap = &FPass.TextStyleMap;
    context.ParaMap = &FPass.ParaStyleMap;
    context.ListMap = &FPass.ListStyleMap;
    if (!ApplyRvfStyleTable(header.SubKind, RvfBodyBytes(line, header.DataMode), context))
        return false;
    if (Replacing() && context.Style)
        FixNumbersAfterReplace(header.SubKind);
    return true;
}

// A table that replaces the styles after items were read may leave their numbers outside it.
// Those items take style 0 (list markers: list 0, or none without lists), as a number out of
// range would when read, and the warning says so.
void RvfPropertyRecords::FixNumbersAfterReplace(int32_t subKind)
{
    const TRVStyle& style = *FData.GetRVStyle();
    bool fixed = false;
    for (int32_t i = 0; i < FData.CountItems(); ++i)
        fixed |= FixItemNumbers(*FData.ItemAt(i), subKind, style);
    if (fixed)
        FData.Settings().ReadWarnings |= kWarnUnknownStyle;
}

bool RvfPropertyRecords::FixItemNumbers(TCustomRVItemInfo& item, int32_t subKind, const TRVStyle& style)
{
    if (subKind == kRvfTextStyleTable && item.StyleNo >= 0 && item.StyleNo != rvsDefStyle &&
        !style.TextStyles().IsValidIndex(item.StyleNo)) {
        item.StyleNo = 0;
        return true;
    }
    if (subKind == kRvfParaStyleTable && item.ParaNo >= 0 && !style.ParaStyles().IsValidIndex(item.ParaNo)) {
        item.ParaNo = 0;
        return true;
    }
    auto* marker = dynamic_cast<TRVMarkerItemInfo*>(&item);
    if (subKind == kRvfListStyleTable && marker && marker->ListNo >= 0 &&
        !style.ListStyles().IsValidIndex(marker->ListNo)) {
        marker->ListNo = style.ListStyles().Count() > 0 ? 0 : -1;
        return true;
    }
    return false;
}

void RvfPropertyRecords::ApplyLayout(const RvfHeader& header, std::string_view line)
{
    TRVLayoutInfo* layout = FParams.Targets.Layout;
    if (!layout || !Replacing() || !HasOption(rvfoLoadLayout))
        return;
    // Throws "Invalid RVF format" for a short body, which ends the pass.
    LayoutBody body = ReadRvfLayoutBody(RvfBodyBytes(line, header.DataMode), FPass.ListStyleMap.get());
    CopyLayout(body, *layout);
}

bool RvfPropertyRecords::ApplyDocParameter(std::string_view line)
{
    TRVDocParameters* parameters = FData.Settings().DocParameters;
    // Only a viewer's top-level document takes page parameters.
    if (!parameters || FData.OwnerDocument() || !Replacing() || !HasOption(rvfoLoadDocProperties))
        return true;
    return parameters->ReadLine(line);
}

bool RvfPropertyRecords::BackgroundLine(const RvfHeader& header, std::string_view line)
{
    if (header.LineIndex != kBodyLine || !HasOption(rvfoLoadBack))
        return true;
    auto picture = ReadRvfBackgroundBody(line, header.DataMode);
    if (!picture)
        return false;
    // Without a painter to take it the picture is loaded all the same and dropped.
    if (FParams.Targets.BackgroundPicture)
        *FParams.Targets.BackgroundPicture = std::move(picture);
    return true;
}

} // namespace vellum
