// A document holding one item of every kind is built, queried, copied item by item, moved to
// another document and freed (the sanitizer build checks that nothing leaks or dangles).
#include <gtest/gtest.h>

#include "document_test_util.h"
#include "vellum/document/break_item_info.h"
#include "vellum/document/bullet_item_info.h"
#include "vellum/document/control_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"

namespace vellum::testing {
namespace {

class TestImageList : public RvImageList {
public:
    int Count() const override { return 3; }
    int Width() const override { return 16; }
    int Height() const override { return 16; }
    const platform::Picture* Image(int) const override { return nullptr; }
};

const int32_t kEveryKind[] = {0,         rvsBreak,      rvsPicture, rvsHotPicture, rvsBullet,
                              rvsHotspot, rvsComponent, rvsTab,     rvsListMarker, rvsLabel,
                              rvsSequence, rvsFootnote, rvsEndnote, rvsNoteReference};

void Fill(TCustomRVItemInfo& item, TestImageList& images)
{
    auto picture = std::make_shared<platform::Picture>(platform::PictureFormat::Jpeg, 1, 1,
                                                       std::vector<uint32_t>(1, 0), "jpeg");
    if (auto* graphic = dynamic_cast<TRVGraphicItemInfo*>(&item))
        graphic->Picture = picture;
    if (auto* bullet = dynamic_cast<TRVBulletItemInfo*>(&item))
        bullet->Images = &images;
    if (auto* control = dynamic_cast<TRVControlItemInfo*>(&item))
        control->HostedControl = std::make_unique<RvHostedControl>();
    if (auto* note = dynamic_cast<TCustomRVNoteItemInfo*>(&item)) {
        note->NoteDocument->AppendTextLines("note text\r\nsecond", 0, 0, 0, false, true, RvTag());
        note->NoteDocument->AppendItem("", std::make_unique<TRVNoteReferenceItemInfo>(nullptr));
    }
    item.Hint = "hint";
    item.Tag = RvTag::FromString("tag");
}

TEST(EveryKind, BuildQueryCopyMoveAndFree)
{
    TestImageList images;
    TCustomRVData doc;
    doc.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
    for (int32_t styleNo : kEveryKind) {
        auto item = CreateItemByStyleNo(&doc, styleNo);
        ASSERT_NE(item, nullptr) << styleNo;
        Fill(*item, images);
        EXPECT_TRUE(item->Valid()) << styleNo;
        item->ParaNo = styleNo == rvsBreak ? 1 : -1;
        doc.AppendCheckpoint("cp" + std::to_string(styleNo), false, RvTag::FromString("c"));
        doc.AppendItem("text", std::move(item));
    }
    ASSERT_EQ(doc.CountItems(), static_cast<int32_t>(std::size(kEveryKind)));
    EXPECT_EQ(doc.CheckpointCount, doc.CountItems());
    EXPECT_EQ(doc.Markers.Count(), 1);
    EXPECT_EQ(doc.Sequences.Count(), 3);
    RenumberSequence(doc.Sequences, 0);

    TCustomRVData copy;
    copy.Settings().Options = doc.Settings().Options;
    for (int32_t i = 0; i < doc.CountItems(); ++i) {
        auto item = doc.ItemAt(i)->MakeCopy(&copy);
        EXPECT_EQ(item->StyleNo, doc.ItemAt(i)->StyleNo);
        EXPECT_EQ(item->Hint, "hint");
        EXPECT_EQ(item->Tag, doc.TagAt(i));
        EXPECT_EQ(item->NestedDocumentCount(), doc.ItemAt(i)->NestedDocumentCount());
        // Checkpoints belong to the document, not the item: a document copy brings them.
        EXPECT_EQ(item->AttachedCheckpoint, nullptr);
        item->AttachedCheckpoint = std::make_unique<TRVCPInfo>(doc.CheckpointAt(i)->CopyData());
        copy.InsertItemAt(i, std::move(item));
    }
    EXPECT_EQ(Describe(copy), Describe(doc));
    EXPECT_EQ(DescribeCheckpoints(copy), DescribeCheckpoints(doc));
    auto& copiedNote = ItemAs<TCustomRVNoteItemInfo>(copy.ItemAt(11));
    EXPECT_EQ(copiedNote.NoteDocument->TextAt(1), "second");
    EXPECT_EQ(copiedNote.NoteDocument->OwnerDocument(), &copy);

    TCustomRVData moved;
    moved.Settings().Options = doc.Settings().Options;
    moved.TakeItemsFrom(copy);
    EXPECT_EQ(Describe(moved), Describe(doc));
    EXPECT_EQ(moved.CheckpointCount, doc.CheckpointCount);
    EXPECT_EQ(copy.CountItems(), 0);
    EXPECT_EQ(copiedNote.NoteDocument->OwnerDocument(), &moved);

    moved.RemoveItems(3, 5);
    EXPECT_EQ(moved.CheckpointCount, doc.CheckpointCount - 5);
    doc.Clear();
    EXPECT_EQ(doc.CheckpointCount, 0);
}

} // namespace
} // namespace vellum::testing
