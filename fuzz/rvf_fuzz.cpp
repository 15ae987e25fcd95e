// Reads arbitrary bytes as an RVF document, as the snapshot view does and once more with string
// tags and style conversion, and checks that the document it leaves is consistent.
#include "app/snapshot_style.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/rvf/rvf_reader.h"

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

void CheckDocument(const wenlocke::SnapshotDocument& doc)
{
    const TCustomRVData& data = doc.Data;
    int32_t checkpoints = data.EndCheckpoint ? 1 : 0;
    for (int32_t i = 0; i < data.CountItems(); ++i) {
        const TCustomRVItemInfo& item = *data.ItemAt(i);
        Require((item.Options & ~0x0F) == 0);
        Require(item.ParaNo >= 0 && doc.Style.ParaStyles().IsValidIndex(item.ParaNo));
        if (item.StyleNo >= 0 && item.StyleNo != rvsDefStyle)
            Require(doc.Style.TextStyles().IsValidIndex(item.StyleNo));
        if (item.UnicodeText())
            Require(item.Text.size() % 2 == 0);
        if (i == 0)
            Require(data.StartsParagraphAt(0));
        if (item.AttachedCheckpoint())
            ++checkpoints;
        // Inserted pictures always hold one: decoded, or the stand-in for a bad body.
        if (auto* picture = dynamic_cast<const TRVGraphicItemInfo*>(&item))
            Require(picture->Picture != nullptr);
    }
    Require(checkpoints == data.CheckpointCount);
}

void ReadOnce(const std::string& bytes, bool variant)
{
    wenlocke::SnapshotDocument doc;
    if (variant) {
        doc.Data.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
        doc.Data.Settings().RVFOptions |= OptionBit<TRVFOptions>(rvfoConvUnknownStylesToZero) |
                                          OptionBit<TRVFOptions>(rvfoIgnoreUnknownPicFmt);
    }
    TRVMemoryStream stream(bytes);
    ReadRvfStream(doc.Data, stream);
    // Markers, sequences and notes are numbered as the view does before it shows them.
    NumberDocument(doc.Data);
    CheckDocument(doc);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    ReadOnce(bytes, false);
    ReadOnce(bytes, true);
    return 0;
}
