// A checkpoint: a named position attached to at most one item. Checkpoints of a document form a
// doubly linked chain in item order; the document owns the chain's shape, the item owns the record.
#pragma once

#include <cstdint>
#include <string>

#include "vellum/document/rv_tag.h"

namespace vellum {

class TCustomRVItemInfo;

class TRVCPInfo {
public:
    std::string Name;
    TRVCPInfo* Next = nullptr;
    TRVCPInfo* Prev = nullptr;
    bool RaiseEvent = false; // the viewer raises an event when it becomes visible
    bool Pinned = false;     // carried through reading and writing only
    TCustomRVItemInfo* ItemInfo = nullptr; // the item it is attached to (not owned)
    int32_t ItemNo = -1;     // cached index of that item, valid after renumbering
    RvTag Tag;

    // A copy of the name, flags and tag; unlinked and unattached.
    TRVCPInfo CopyData() const;
};

} // namespace vellum
