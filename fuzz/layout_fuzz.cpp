// Reads arbitrary bytes as an RVF document, as the snapshot view does, and formats it on the
// recording canvas at widths from 1 to 2000 pixels: no crash, every line advances and every
// text piece lies inside its item.
#include "fuzz/snapshot_input.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace vellum;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

int32_t CharactersOf(const TCustomRVItemInfo& item)
{
    return int32_t(item.UnicodeText() ? item.Text.size() / 2 : item.Text.size());
}

void CheckLayout(const TCustomRVFormattedData& data)
{
    const TRVDrawLines& items = data.DrawItems();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TRVDrawLineInfo& piece = items[i];
        Require(piece.ItemNo >= 0 && piece.ItemNo < data.CountItems());
        const TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
        Require(item.FirstDrawItemNo >= 0 && item.FirstDrawItemNo <= i);
        if (item.StyleNo < 0)
            continue;
        Require(piece.TextStart >= 1 && piece.TextLength >= 0);
        Require(piece.TextStart - 1 + piece.TextLength <= CharactersOf(item));
    }
    const auto& lines = data.Lines();
    Require(items.Empty() || (!lines.empty() && lines.front().firstDrawItemNo == 0));
    for (size_t l = 1; l < lines.size(); ++l) {
        Require(lines[l].firstDrawItemNo > lines[l - 1].firstDrawItemNo);
        Require(lines[l].baseline >= lines[l - 1].baseline);
        Require(items[lines[l].firstDrawItemNo].IsFirstOfLine());
    }
    for (const TRVJumpInfo& jump : data.Jumps())
        Require(jump.DrawItemNo >= 0 && jump.DrawItemNo < items.Count());
}

const int32_t kWidths[] = {1, 2, 5, 9, 14, 20, 27, 35, 50, 64, 80, 100, 128, 160, 200,
                           256, 400, 640, 1000, 2000};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wenlocke::SnapshotDocument doc;
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    wenlocke::ReadSnapshotInput(data, size, doc, canvas);
    for (int32_t width : kWidths) {
        doc.Data.SetClientSize(width, 400);
        doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
        CheckLayout(doc.Data);
    }
    return 0;
}
