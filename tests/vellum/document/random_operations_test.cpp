// Long runs of mixed operations on two documents, with the document's invariants checked after
// every step: the checkpoint chain follows item order and its count, numbering lists follow
// document order, the first item starts a paragraph, note texts know their owners.
#include <gtest/gtest.h>

#include <random>

#include "document_test_util.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"

namespace vellum::testing {
namespace {

void CheckInvariants(const TCustomRVData& doc)
{
    // Checkpoints: chain order is item order, count includes the end checkpoint.
    int32_t chained = 0;
    int32_t lastIndex = -1;
    const TRVCPInfo* previous = nullptr;
    for (const TRVCPInfo* cp = doc.FirstCheckpoint; cp; cp = cp->Next, ++chained) {
        ASSERT_EQ(cp->Prev, previous);
        int32_t index = doc.Items.IndexOf(cp->ItemInfo);
        ASSERT_GT(index, lastIndex);
        ASSERT_EQ(doc.CheckpointAt(index), cp);
        lastIndex = index;
        previous = cp;
    }
    ASSERT_EQ(doc.LastCheckpoint, previous);
    int32_t attached = 0;
    std::vector<const TCustomRVItemInfo*> markers, sequences;
    for (int32_t i = 0; i < doc.CountItems(); ++i) {
        const TCustomRVItemInfo* item = doc.ItemAt(i);
        attached += item->AttachedCheckpoint ? 1 : 0;
        if (dynamic_cast<const TRVMarkerItemInfo*>(item))
            markers.push_back(item);
        if (dynamic_cast<const TRVSeqItemInfo*>(item))
            sequences.push_back(item);
        if (auto* note = dynamic_cast<const TCustomRVNoteItemInfo*>(item)) {
            ASSERT_EQ(note->NoteDocument->OwnerDocument(), &doc);
            ASSERT_EQ(note->NoteDocument->OwnerItem(), item);
        }
    }
    ASSERT_EQ(attached, chained);
    ASSERT_EQ(doc.CheckpointCount, chained + (doc.EndCheckpoint ? 1 : 0));
    // Numbering lists.
    ASSERT_EQ(doc.Markers.Count(), static_cast<int32_t>(markers.size()));
    for (int32_t i = 0; i < doc.Markers.Count(); ++i) {
        ASSERT_EQ(doc.Markers[i], markers[static_cast<size_t>(i)]);
        ASSERT_EQ(doc.Markers[i]->MarkerListIndex, i);
    }
    ASSERT_EQ(doc.Sequences.Count(), static_cast<int32_t>(sequences.size()));
    for (int32_t i = 0; i < doc.Sequences.Count(); ++i)
        ASSERT_EQ(doc.Sequences[i], sequences[static_cast<size_t>(i)]);
    // Paragraphs.
    if (doc.CountItems() > 0) {
        ASSERT_FALSE(doc.ItemAt(0)->ContinuesParagraph());
    }
}

class RandomOperations {
public:
    explicit RandomOperations(uint32_t seed) : FRandom(seed) {}

    void Step(TCustomRVData& doc, TCustomRVData& other)
    {
        switch (Pick(10)) {
        case 0:
        case 1: doc.AppendItem(Pick(3) ? "t" : "", NewItem()); break;
        case 2: doc.InsertItemAt(Pick(doc.CountItems() + 1), "i", NewItem()); break;
        case 3:
            if (doc.CountItems() > 0)
                doc.RemoveItems(Pick(doc.CountItems()), 1 + Pick(3));
            break;
        case 4: doc.AppendCheckpoint("end", false, RvTag()); break;
        case 5: doc.AppendTextLines(RandomText(), Pick(2) ? 0 : -1, Pick(3) - 1, 0, Pick(2), true, RvTag()); break;
        case 6:
            if (doc.CountItems() > 0)
                doc.SetPageBreakAt(Pick(doc.CountItems()), Pick(2));
            break;
        case 7:
            if (doc.CountItems() > 0)
                other.AppendItem(doc.ItemAt(Pick(doc.CountItems()))->MakeCopy(&other));
            break;
        case 8: doc.TakeItemsFrom(other); break;
        case 9:
            if (Pick(20) == 0)
                doc.Clear();
            break;
        }
    }

private:
    int32_t Pick(int32_t n) { return n <= 0 ? 0 : static_cast<int32_t>(FRandom() % static_cast<uint32_t>(n)); }

    std::unique_ptr<TCustomRVItemInfo> NewItem()
    {
        static const int32_t kKinds[] = {0, 0, 0, rvsBreak, rvsListMarker, rvsTab, rvsLabel,
                                         rvsSequence, rvsFootnote};
        auto item = CreateItemByStyleNo(nullptr, kKinds[Pick(std::size(kKinds))]);
        item->ParaNo = Pick(4) - 1;
        item->Options = static_cast<uint8_t>(Pick(16));
        if (Pick(4) == 0) {
            item->AttachedCheckpoint = std::make_unique<TRVCPInfo>();
            item->AttachedCheckpoint->Name = "cp";
        }
        if (auto* note = dynamic_cast<TCustomRVNoteItemInfo*>(item.get()))
            note->NoteDocument->AppendTextLines("n\r\n", 0, 0, 0, false, true, RvTag());
        return item;
    }

    std::string RandomText()
    {
        static const char kChars[] = "ab\r\n\t\f";
        std::string text;
        for (int32_t n = Pick(12); n > 0; --n)
            text += kChars[Pick(6)];
        return text;
    }

    std::mt19937 FRandom;
};

TEST(RandomOperations, KeepTheDocumentConsistent)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        TCustomRVData doc;
        TCustomRVData other;
        RandomOperations operations(seed);
        for (int step = 0; step < 400; ++step) {
            operations.Step(doc, other);
            ASSERT_NO_FATAL_FAILURE(CheckInvariants(doc));
            ASSERT_NO_FATAL_FAILURE(CheckInvariants(other));
        }
    }
}

} // namespace
} // namespace vellum::testing
