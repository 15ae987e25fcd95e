// What one reading pass shares with the nested reads it starts (table cells, note texts): the
// style maps made when a document's style tables were merged, and the nesting depth.
#pragma once

#include "vellum/rv_types.h"

#include <memory>

namespace vellum {

// Nested documents deeper than this fail the record that holds them: real documents nest a few
// levels, and a crafted one must not exhaust the stack.
constexpr int kMaxRvfNesting = 32;

struct RvfReadPass {
    // Index = style number in the file, value = number in the style sheet. A map exists only
    // once a style table of the document was merged into the style sheet.
    std::unique_ptr<TRVIntegerList> TextStyleMap;
    std::unique_ptr<TRVIntegerList> ParaStyleMap;
    std::unique_ptr<TRVIntegerList> ListStyleMap;
    int Depth = 0;
};

} // namespace vellum
