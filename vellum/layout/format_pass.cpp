// The formatting pass: widths from the control, the items placed line by line, the document's
// size told to the control, and a second pass when that made a scroll bar come or go.
#include "vellum/layout/custom_rv_formatted_data.h"

#include <algorithm>

#include "platform/canvas.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/line_formatter.h"
#include "vellum/layout/min_content_width.h"
#include "vellum/style/rv_style.h"

namespace vellum {

struct TCustomRVFormattedData::FormatRequest {
    bool onlyResized = false;
    bool forceFormat = false;
    bool noCaching = false;
    bool reformatting = false;
    bool onlyTail = false;
    int depth = 0;
    bool keepScroll = false;
};

// What a width-only or tail pass remembers to scroll back to afterwards.
struct TCustomRVFormattedData::ScrollAnchor {
    int32_t itemNo = -1;
    int32_t distance = 0;
    int32_t scrollPos = 0;
};

namespace {

// The first draw item of the line above the one showing at Y.
int32_t AnchorDrawItem(const TRVDrawLines& items, int32_t y)
{
    const auto& all = items.Items();
    auto it = std::upper_bound(all.begin(), all.end(), y,
                               [](int32_t value, const TRVDrawLineInfo& item) { return value < item.Top; });
    auto lineStart = [&items](int32_t i) {
        while (i > 0 && !items[i].IsFirstOfLine())
            --i;
        return i;
    };
    int32_t index = lineStart(std::max<int32_t>(0, int32_t(it - all.begin()) - 1));
    return index > 0 ? lineStart(index - 1) : index;
}

// Clears the pass's marks when it ends, also by an error.
class PassGuard {
public:
    PassGuard(TCustomRVFormattedData& data, TRVFontInfoCache*& cache, bool& formatting)
        : m_data(data), m_cache(cache), m_formatting(formatting)
    {
    }
    ~PassGuard()
    {
        if (m_cache)
            m_data.ReleaseFontInfoCache(m_cache);
        m_formatting = false;
    }

private:
    TCustomRVFormattedData& m_data;
    TRVFontInfoCache*& m_cache;
    bool& m_formatting;
};

} // namespace

void TCustomRVFormattedData::Format(bool onlyResized, bool forceFormat, bool noCaching,
                                    bool reformatting, bool onlyTail, platform::Canvas* canvas,
                                    int depth, bool keepScroll)
{
    // 1. The nested call of a scroll bar change returns at once, and leaves the flag as it is:
    // clearing it would let a second nested call run a whole pass inside this one.
    if (FInFormatting)
        return;
    // 2. Nothing to do, or nothing possible.
    if (depth > 1 || !GetRVStyle() || !CanFormat() || FFormatting)
        return;
    if (onlyTail && FLastFormattedItemNo >= CountItems() - 1)
        return;
    // 3. The canvas.
    if (!canvas)
        canvas = GetReferenceCanvas();
    if (!canvas)
        return;
    FormatRequest request{onlyResized, forceFormat, noCaching, reformatting, onlyTail, depth, keepScroll};
    RunFormatPass(request, *canvas);
}

void TCustomRVFormattedData::RunFormatPass(const FormatRequest& request, platform::Canvas& canvas)
{
    // 4. What a width-only or tail pass keeps.
    ScrollAnchor anchor;
    if (request.depth == 0)
        anchor = RememberScroll(request);
    // 5. Resolutions and margins.
    platform::Canvas* reference = GetReferenceCanvas();
    const ResolutionPair rp = ResolutionPair::FromCanvases(reference ? *reference : canvas, canvas);
    const LayoutSettings& settings = GetLayoutSettings();
    const int32_t leftMargin = ToDeviceX(rp, settings.LeftMargin);
    const int32_t rightMargin = ToDeviceX(rp, settings.RightMargin);
    const int32_t clientWidth = GetClientWidth();
    const int32_t clientHeight = GetClientHeight();
    const int32_t firstItem = request.onlyTail ? FLastFormattedItemNo + 1 : 0;

    TRVFontInfoCache* cache = nullptr;
    {
        FFormatting = true;
        PassGuard guard(*this, cache, FFormatting);
        CreateFontInfoCache(canvas);
        cache = GetFontInfoCache(canvas);
        // 6. Widths.
        const int32_t oldDocumentWidth = FDocumentWidth;
        const int32_t oldTextWidth = FTextWidth;
        ComputeWidths(request, rp, settings, clientWidth - leftMargin - rightMargin, firstItem, *cache);
        // 7. A resize that changes neither width lays nothing out again.
        const bool unchanged = request.onlyResized && !request.forceFormat &&
                               oldDocumentWidth == FDocumentWidth && oldTextWidth == FTextWidth;
        if (!unchanged)
            PlaceItems(request, rp, settings, leftMargin, firstItem, *cache);
    }
    // 14. The control learns the document area's size.
    FInFormatting = true;
    SetDocumentAreaSize(SaturateCoordinate(int64_t(FDocumentWidth) + leftMargin + rightMargin), FDocumentHeight, true);
    FInFormatting = false;
    // 15. A scroll bar that came or went changed the client area: once more for the new one.
    if (GetClientWidth() != clientWidth || GetClientHeight() != clientHeight) {
        FormatRequest again = request;
        again.onlyTail = false;
        again.depth = request.depth + 1;
        if (again.depth <= 1)
            RunFormatPass(again, canvas);
    }
    // 16. Back to where the view was.
    if (request.depth == 0)
        RestoreScroll(request, anchor);
}

TCustomRVFormattedData::ScrollAnchor TCustomRVFormattedData::RememberScroll(const FormatRequest& request)
{
    ScrollAnchor anchor;
    if (request.onlyResized) {
        SaveSelectionForResize();
        if (!request.keepScroll && !FDrawItems.Empty()) {
            const int32_t scrollPos = GetVScrollPos();
            const int32_t drawItemNo = AnchorDrawItem(FDrawItems, scrollPos);
            anchor.itemNo = FDrawItems[drawItemNo].ItemNo;
            const int32_t first = ItemAt(anchor.itemNo)->FirstDrawItemNo;
            anchor.distance = scrollPos - FDrawItems[first >= 0 ? first : drawItemNo].Top;
        }
    }
    if (request.onlyTail)
        anchor.scrollPos = GetVScrollPos();
    return anchor;
}

void TCustomRVFormattedData::RestoreScroll(const FormatRequest& request, const ScrollAnchor& anchor)
{
    if (request.onlyResized && !request.keepScroll) {
        const bool known = anchor.itemNo >= 0 && anchor.itemNo < CountItems() &&
                           ItemAt(anchor.itemNo)->FirstDrawItemNo >= 0 &&
                           ItemAt(anchor.itemNo)->FirstDrawItemNo < FDrawItems.Count();
        ScrollToY(known ? FDrawItems[ItemAt(anchor.itemNo)->FirstDrawItemNo].Top + anchor.distance : 0);
    }
    if (request.onlyTail)
        ScrollToY(HasOption(Settings().Options, rvoScrollToEnd) ? FDocumentHeight : anchor.scrollPos);
    if (request.onlyResized)
        RestoreSelectionAfterResize();
}

void TCustomRVFormattedData::ComputeWidths(const FormatRequest& request, const ResolutionPair& rp,
                                           const LayoutSettings& settings, int32_t clientTextWidth,
                                           int32_t firstItem, TRVFontInfoCache& cache)
{
    const int32_t minText = ToDeviceX(rp, settings.MinTextWidth);
    // A width-only pass formats the same items for the same device: their minimum stands.
    const bool known = request.onlyResized && FMinContentWidth >= 0 && FMinContentDevicePpi == rp.DevicePpiX;
    if (!known) {
        FMinContentWidth = MinContentWidth(*this, rp, settings, cache, firstItem);
        FMinContentDevicePpi = rp.DevicePpiX;
    }
    const int32_t content = FMinContentWidth;
    FDocumentWidth = std::max(std::max(clientTextWidth, content), minText);
    if (HasOption(Settings().Options, rvoClientTextWidth))
        FTextWidth = std::max(clientTextWidth, minText);
    else if (settings.MaxTextWidth < 1)
        FTextWidth = FDocumentWidth;
    else
        FTextWidth = std::min(ToDeviceX(rp, settings.MaxTextWidth), FDocumentWidth);
}

void TCustomRVFormattedData::PlaceItems(const FormatRequest& request, const ResolutionPair& rp,
                                        const LayoutSettings& settings, int32_t leftMargin,
                                        int32_t firstItem, TRVFontInfoCache& cache)
{
    // 8. Where formatting starts.
    FormatState state;
    if (request.onlyTail) {
        const int32_t lastPara = FLastFormattedItemNo >= 0 ? ParaAt(FLastFormattedItemNo) : 0;
        state.Baseline = FDocumentHeight - ToDeviceY(rp, settings.BottomMargin) -
                         ToDeviceY(rp, GetRVStyle()->ParaStyles()[lastPara].SpaceAfter);
    } else {
        FDrawItems.Clear();
        FLines.clear();
        FJumps.clear();
        DropSelection();
        FNextJumpId = 0;
        for (int32_t i = 0; i < CountItems(); ++i)
            ItemAt(i)->FirstDrawItemNo = -1;
        state.Baseline = ToDeviceY(rp, settings.TopMargin);
    }
    // 9. The pass's state.
    state.MaxLength = settings.HasFlag(cfControlLayoutSource) ? settings.MaxLength : 0;
    state.WordWrap = settings.WordWrap;
    state.DrawItemCount = FDrawItems.Count();
    state.FontCache = &cache;
    state.Canvas = cache.FormatCanvas;
    state.Resolution = rp;
    // 10. and 11. Every item, then the last line.
    LineFormatter formatter(*this, state, settings, leftMargin);
    for (int32_t i = firstItem; i < CountItems(); ++i)
        formatter.PlaceItem(i);
    const int32_t gap = formatter.Finish();
    FDrawItems.FinishReuse();
    FDrawItems.ShrinkToFit();
    // 13. The document's height and the link areas.
    int64_t height = int64_t(ToDeviceY(rp, settings.BottomMargin)) + state.Baseline + state.LineDescent + gap;
    if (CountItems() > 0)
        height += ToDeviceY(rp, GetRVStyle()->ParaStyles()[ParaAt(CountItems() - 1)].SpaceAfter);
    FDocumentHeight = SaturateCoordinate(height);
    FLastFormattedItemNo = CountItems() - 1;
    AdjustVScrollUnit();
    for (TRVJumpInfo& jump : FJumps) {
        jump.Left = FDrawItems[jump.DrawItemNo].Left;
        jump.Top = FDrawItems[jump.DrawItemNo].Top;
    }
}

void TCustomRVFormattedData::ClearFormatting()
{
    DropSelection();
    FDrawItems.Clear();
    FLines.clear();
    FJumps.clear();
    FNextJumpId = 0;
    FLastFormattedItemNo = -1;
    FMinContentWidth = -1;
    const LayoutSettings& settings = GetLayoutSettings();
    FDocumentHeight = settings.TopMargin + settings.BottomMargin;
    for (int32_t i = 0; i < CountItems(); ++i)
        ItemAt(i)->FirstDrawItemNo = -1;
}

} // namespace vellum
