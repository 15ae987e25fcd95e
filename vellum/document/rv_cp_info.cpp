#include "vellum/document/rv_cp_info.h"

namespace vellum {

TRVCPInfo TRVCPInfo::CopyData() const
{
    TRVCPInfo copy;
    copy.Name = Name;
    copy.RaiseEvent = RaiseEvent;
    copy.Pinned = Pinned;
    copy.Tag = Tag;
    return copy;
}

} // namespace vellum
