// Reads arbitrary bytes as an RVF document, formats it on the recording canvas, and runs the
// selection operations over it: hit tests on a grid of points, words under them, drags in
// every selection mode, Select All kept across width-only passes, item positions both ways.
// Every answer must be a valid position of an existing draw item, or none.
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

void RequireValid(const TCustomRVFormattedData& data, DrawPosition pos)
{
    if (pos.drawItemNo == -1)
        return;
    Require(pos.drawItemNo >= 0 && pos.drawItemNo < data.DrawItems().Count());
    Require(pos.offset >= data.FirstOffsetOf(pos.drawItemNo) && pos.offset <= data.LastOffsetOf(pos.drawItemNo));
}

void RequireValidSelection(const TCustomRVFormattedData& data)
{
    RequireValid(data, data.Anchor());
    RequireValid(data, data.Active());
}

void HitGrid(TCustomRVFormattedData& data, int32_t width)
{
    const int32_t height = data.DocumentHeight();
    for (int32_t y = -10; y <= height + 10; y += 7 + height / 40) {
        for (int32_t x = -5; x <= width + 20; x += 3 + width / 10) {
            for (bool strict : {false, true}) {
                const DrawPosition hit = data.HitTest(x, y, strict);
                RequireValid(data, hit);
                const WordRange word = data.WordAt(hit.drawItemNo, hit.offset);
                Require(!word.found || (word.start <= hit.offset && hit.offset <= word.end));
            }
        }
    }
}

void Drag(TCustomRVFormattedData& data, TRVSelectionMode mode, int32_t width)
{
    data.GetRVStyle()->SelectionMode = mode;
    const int32_t height = data.DocumentHeight();
    data.StartMouseSelection(width / 3, height / 3, false);
    const int32_t points[][2] = {{width / 2, height / 3}, {2, height / 2}, {width, height}, {0, 0}, {width / 3, height / 3}};
    for (const auto& p : points) {
        if (data.IsLineSelecting())
            data.ExtendSelectionByLines(p[0], p[1]);
        else
            data.ExtendSelectionTo(p[0], p[1]);
        RequireValidSelection(data);
    }
    data.FinishMouseSelection(width, height / 2);
    RequireValidSelection(data);
    data.StartMouseSelection(1, height / 2, false); // the left margin: whole lines
    data.ExtendSelectionByLines(width / 2, height / 4);
    data.FinishMouseSelection(width / 2, height);
    RequireValidSelection(data);
    data.RightClickSelection(width / 2, height / 2);
    RequireValidSelection(data);
}

void RoundTrip(const TCustomRVFormattedData& data)
{
    for (int32_t itemNo = 0; itemNo < data.CountItems(); ++itemNo) {
        const TCustomRVItemInfo& item = *data.ItemAt(itemNo);
        const int32_t length = int32_t(item.UnicodeText() ? item.Text.size() / 2 : item.Text.size());
        for (int32_t k : {0, 1, 2, length / 2, length, length + 1, length + 5}) {
            const DrawPosition pos = data.ItemToDrawPosition({itemNo, k});
            RequireValid(data, pos);
            if (pos.Valid())
                Require(data.DrawToItemPosition(pos).itemNo == itemNo);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wenlocke::SnapshotDocument doc;
    platform::RecordingCanvas canvas(1, 1, 96, 96);
    wenlocke::ReadSnapshotInput(data, size, doc, canvas);
    for (int32_t width : {3, 60, 300}) {
        doc.Data.SetClientSize(width, 400);
        doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
        HitGrid(doc.Data, width);
        RoundTrip(doc.Data);
        for (TRVSelectionMode mode : {rvsmChar, rvsmWord, rvsmParagraph})
            Drag(doc.Data, mode, width);
        doc.Data.SelectAll();
        const ItemSelectionBounds all = doc.Data.GetSelectionInItems(false);
        doc.Data.SetClientSize(width + 37, 400);
        doc.Data.Format(true, false, false, false, false, nullptr, 0, false);
        RequireValidSelection(doc.Data);
        Require(doc.Data.GetSelectionInItems(false).start == all.start);
        doc.Data.SetSelection({doc.Data.DrawItems().Count() + 3, 7}, {0, -4});
        doc.Data.ClampSelection();
        RequireValidSelection(doc.Data);
    }
    return 0;
}
