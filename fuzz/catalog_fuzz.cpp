// Catalog text from memory: line splitting, field splitting, both list readers, entry cuts,
// row texts and stamps. Errors are expected; crashes, hangs and overreads are not.
#include "app/catalog.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

void ReadQuietly(std::string_view text, const wenlocke::TFileInfo& group, size_t& rows)
{
    wenlocke::RowSink sink = [&rows](const wenlocke::CatalogRow& row) {
        rows += 1;
        // Row texts of notebook names feed the snapshot row rules too.
        std::string stamp = wenlocke::StampFromRowText(wenlocke::SnapshotRowText(row.Text));
        if (stamp.size() > row.Text.size() + 32)
            __builtin_trap();
        wenlocke::IsSafeNotebookId(row.Info.Id);
    };
    try {
        wenlocke::ReadGroupLines(text, sink);
    } catch (const std::exception&) {
    }
    try {
        wenlocke::ReadNotebookLines(text, group, sink);
    } catch (const std::exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t rows = 0;
    // The first field of the first line serves as the chosen group.
    std::vector<std::string_view> lines = wenlocke::SplitCatalogLines(text);
    wenlocke::TFileInfo group;
    if (!lines.empty()) {
        std::vector<std::string> fields = wenlocke::SplitFields(lines.front());
        if (!fields.empty())
            group = wenlocke::MakeFileInfo("", fields.front());
    }
    ReadQuietly(text, group, rows);
    if (rows > 2 * lines.size())
        __builtin_trap();
    wenlocke::StampFromRowText(text);
    wenlocke::SnapshotPath("/d/data3/x", text);
    return 0;
}
