#include "vellum/layout/document_numbering.h"

#include "vellum/document/custom_rv_data.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"
#include "vellum/layout/marker_numbering.h"

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace vellum {
namespace {

std::string FoldCase(const std::string& name)
{
    std::string folded = name;
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

// Each counter name is renumbered once, from its first field on.
void NumberSequences(SeqList& list)
{
    std::set<std::string> done;
    for (int32_t i = 0; i < list.Count(); ++i)
        if (done.insert(FoldCase(list[i]->CounterName)).second)
            RenumberSequence(list, i);
}

void NumberOne(TCustomRVData& data, std::vector<TCustomRVData*>& pending)
{
    RecalcAllCounters(data.Markers, data.GetRVStyle());
    NumberSequences(data.Sequences);
    for (int32_t i = 0; i < data.CountItems(); ++i) {
        TCustomRVItemInfo* item = data.ItemAt(i);
        if (auto* reference = dynamic_cast<TRVNoteReferenceItemInfo*>(item))
            reference->UpdateCaptionFromNote();
        for (int32_t n = 0; n < item->NestedDocumentCount(); ++n)
            if (TCustomRVData* nested = item->NestedDocument(n))
                pending.push_back(nested);
    }
}

} // namespace

void NumberDocument(TCustomRVData& data)
{
    // A work list instead of recursion: nesting depth is whatever the file made it.
    std::vector<TCustomRVData*> pending{&data};
    while (!pending.empty()) {
        TCustomRVData* next = pending.back();
        pending.pop_back();
        NumberOne(*next, pending);
    }
}

} // namespace vellum
