// Notes own documents: owner links, note references, copying, and freeing deep nesting without
// recursion.
#include <gtest/gtest.h>

#include "document_test_util.h"
#include "vellum/document/note_item_info.h"

namespace vellum::testing {
namespace {

TEST(NoteDocuments, OwnerLinksFollowInsertion)
{
    TCustomRVData doc;
    auto note = std::make_unique<TRVFootnoteItemInfo>(nullptr);
    NoteData* text = note->NoteDocument.get();
    EXPECT_EQ(text->OwnerDocument(), nullptr);
    TCustomRVNoteItemInfo* raw = note.get();
    doc.AppendItem("", std::move(note));
    EXPECT_EQ(text->OwnerDocument(), &doc);
    EXPECT_EQ(text->OwnerItem(), raw);
    EXPECT_EQ(doc.Sequences.Count(), 1);

    TCustomRVData other;
    other.TakeItemsFrom(doc);
    EXPECT_EQ(text->OwnerDocument(), &other);
}

TEST(NoteDocuments, ReferenceShowsTheNotesNumber)
{
    TCustomRVData doc;
    doc.AppendItem("", std::make_unique<TRVFootnoteItemInfo>(nullptr));
    doc.AppendItem("", std::make_unique<TRVFootnoteItemInfo>(nullptr));
    RenumberSequence(doc.Sequences, 0);
    auto* second = &ItemAs<TRVFootnoteItemInfo>(doc.ItemAt(1));
    second->NoteDocument->AppendItem("", std::make_unique<TRVNoteReferenceItemInfo>(nullptr));
    auto& reference = ItemAs<TRVNoteReferenceItemInfo>(second->NoteDocument->ItemAt(0));
    EXPECT_EQ(reference.OwnerNote(), second);
    EXPECT_EQ(reference.Caption, "2");
    // Renumbering reaches the references inside the notes.
    doc.InsertItemAt(0, "", std::make_unique<TRVFootnoteItemInfo>(nullptr));
    RenumberSequence(doc.Sequences, 0);
    EXPECT_EQ(second->Caption, "3");
    EXPECT_EQ(reference.Caption, "3");
    EXPECT_FALSE(reference.CaptionMeasured);
    // Outside any note there is nothing to show.
    doc.AppendItem("", std::make_unique<TRVNoteReferenceItemInfo>(nullptr));
    EXPECT_EQ(ItemAs<TRVNoteReferenceItemInfo>(doc.ItemAt(3)).Caption, "");
}

// Builds a chain of Depth notes, each inside the text of the one before, bottom-up so that
// building costs no more than the chain's length.
std::unique_ptr<TCustomRVItemInfo> NoteChain(int depth)
{
    std::unique_ptr<TCustomRVItemInfo> inner;
    for (int i = 0; i < depth; ++i) {
        auto note = std::make_unique<TRVEndnoteItemInfo>(nullptr);
        note->NoteDocument->AppendItem("level", MakeItem('T', 0));
        if (inner)
            note->NoteDocument->AppendItem("", std::move(inner));
        inner = std::move(note);
    }
    return inner;
}

TEST(NoteDocuments, DeepNestingIsFreedWithoutRecursion)
{
    // Deep enough that freeing level by level on the stack would overflow it.
    const int depth = 200000;
    {
        TCustomRVData doc;
        doc.AppendItem("", NoteChain(depth));
        doc.Clear();
        EXPECT_EQ(doc.CountItems(), 0);
    }
    {
        TCustomRVData doc;
        doc.AppendItem("", NoteChain(depth));
        doc.RemoveItems(0, 1);
    }
    {
        TCustomRVData doc;
        doc.AppendItem("", NoteChain(depth));
    } // destroyed with the document
    SUCCEED();
}

TEST(NoteDocuments, CopiesDuplicateTheNoteText)
{
    TCustomRVData doc;
    doc.AppendItem("", NoteChain(3));
    TCustomRVItemInfo* original = doc.ItemAt(0);
    original->NestedDocument(0)->AppendCheckpoint("end", false, RvTag());
    auto copy = original->MakeCopy(&doc);

    const TCustomRVData* from = original->NestedDocument(0);
    TCustomRVData* to = copy->NestedDocument(0);
    ASSERT_NE(to, nullptr);
    EXPECT_NE(to, from);
    EXPECT_EQ(Describe(*to), Describe(*from));
    EXPECT_EQ(to->TextAt(0), "level");
    ASSERT_TRUE(to->EndCheckpoint);
    EXPECT_EQ(to->EndCheckpoint->Name, "end");
    // Second level, copied too, and owned by the copy.
    TCustomRVData* inner = to->ItemAt(1)->NestedDocument(0);
    ASSERT_NE(inner, nullptr);
    EXPECT_NE(inner, from->ItemAt(1)->NestedDocument(0));
    EXPECT_EQ(inner->OwnerDocument(), to);
    EXPECT_EQ(inner->CountItems(), 2);
    doc.Clear();
    EXPECT_EQ(to->TextAt(0), "level"); // the copy does not depend on the original
}

TEST(NoteDocuments, CopyOfDeepNestingDoesNotRecurse)
{
    TCustomRVData doc;
    doc.AppendItem("", NoteChain(3000));
    auto copy = doc.ItemAt(0)->MakeCopy(nullptr);
    int depth = 0;
    for (TCustomRVItemInfo* item = copy.get(); item; ++depth) {
        TCustomRVData* text = item->NestedDocument(0);
        item = text && text->CountItems() > 1 ? text->ItemAt(1) : nullptr;
    }
    EXPECT_EQ(depth, 3000);
}

} // namespace
} // namespace vellum::testing
