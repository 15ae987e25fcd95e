#include "tools/cli_dump_stats.h"

#include <cstdint>
#include <map>
#include <vector>

namespace wenlocke::cli {
namespace {

using namespace vellum;

const char* KindName(int32_t styleNo)
{
    if (styleNo >= 0)
        return "text";
    switch (styleNo) {
    case rvsBreak: return "break";
    case rvsPicture: return "picture";
    case rvsHotspot: return "hotspot";
    case rvsComponent: return "component";
    case rvsBullet: return "bullet";
    case rvsHotPicture: return "hotPicture";
    case rvsListMarker: return "listMarker";
    case rvsTab: return "tab";
    case rvsTable: return "table";
    case rvsLabel: return "label";
    case rvsSequence: return "sequence";
    case rvsFootnote: return "footnote";
    case rvsEndnote: return "endnote";
    case rvsNoteReference: return "noteReference";
    }
    return "other";
}

struct Counts {
    int64_t items = 0;
    int64_t textBytes = 0; // of text items
    int64_t checkpoints = 0;
    int64_t nestedDocuments = 0;
    std::map<std::string, int64_t> byKind;
};

// Walks DOC and the documents its items own with a work list, so depth costs no stack.
Counts CountTree(const TCustomRVData& doc)
{
    Counts counts;
    std::vector<const TCustomRVData*> pending = {&doc};
    while (!pending.empty()) {
        const TCustomRVData& data = *pending.back();
        pending.pop_back();
        counts.checkpoints += data.CheckpointCount;
        for (int32_t i = 0; i < data.CountItems(); ++i) {
            const TCustomRVItemInfo& item = *data.ItemAt(i);
            ++counts.items;
            ++counts.byKind[KindName(item.StyleNo)];
            if (item.StyleNo >= 0)
                counts.textBytes += static_cast<int64_t>(data.TextAt(i).size());
            for (int32_t n = 0; n < item.NestedDocumentCount(); ++n) {
                if (const TCustomRVData* nested = item.NestedDocument(n)) {
                    ++counts.nestedDocuments;
                    pending.push_back(nested);
                }
            }
        }
    }
    return counts;
}

std::string Int(int64_t value)
{
    return std::to_string(value);
}

} // namespace

std::string DumpStatsJson(const SnapshotDocument& doc, bool ok)
{
    const Counts counts = CountTree(doc.Data);
    std::string kinds;
    for (const auto& [name, count] : counts.byKind)
        kinds += (kinds.empty() ? "\"" : ", \"") + name + "\": " + Int(count);
    return std::string("{\"ok\": ") + (ok ? "true" : "false") +
           ", \"warnings\": " + Int(doc.Data.Settings().ReadWarnings) +
           ", \"textStyles\": " + Int(doc.Style.TextStyles().Count()) +
           ", \"paraStyles\": " + Int(doc.Style.ParaStyles().Count()) +
           ", \"listStyles\": " + Int(doc.Style.ListStyles().Count()) +
           ", \"items\": " + Int(doc.Data.CountItems()) + ", \"allItems\": " + Int(counts.items) +
           ", \"itemsByKind\": {" + kinds + "}, \"textBytes\": " + Int(counts.textBytes) +
           ", \"checkpoints\": " + Int(counts.checkpoints) +
           ", \"nestedDocuments\": " + Int(counts.nestedDocuments) +
           ", \"properties\": " + Int(static_cast<int64_t>(doc.Properties.size())) + "}\n";
}

} // namespace wenlocke::cli
