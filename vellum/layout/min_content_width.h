// The narrowest the document area may be: the widest paragraph's minimum, from the items' own
// minimum widths (never by formatting).
#pragma once

#include <cstdint>

namespace vellum {

class TCustomRVFormattedData;
class TRVFontInfoCache;
struct LayoutSettings;
struct ResolutionPair;

// Over the paragraphs from FIRSTITEM on, in device pixels. A no-wrap paragraph (or any with
// wrapping off) needs its indents plus all its items side by side; a wrapping one its indents
// plus its widest item.
int32_t MinContentWidth(const TCustomRVFormattedData& data, const ResolutionPair& rp,
                        const LayoutSettings& settings, TRVFontInfoCache& cache, int32_t firstItem);

} // namespace vellum
