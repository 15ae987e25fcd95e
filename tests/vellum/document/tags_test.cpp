// Integer and string tags: comparison, ownership through copies and clears, and the refusal to
// move items between documents whose tag kinds differ.
#include <gtest/gtest.h>

#include "document_test_util.h"

namespace vellum::testing {
namespace {

TEST(Tags, Comparison)
{
    struct Case {
        RvTag a, b;
        bool equal;
    };
    const Case cases[] = {
        {RvTag(), RvTag(), true},
        {RvTag::FromInt(7), RvTag::FromInt(7), true},
        {RvTag::FromInt(7), RvTag::FromInt(8), false},
        {RvTag::FromString("x"), RvTag::FromString("x"), true},
        {RvTag::FromString("x"), RvTag::FromString("X"), false},
        {RvTag::FromString(""), RvTag(), false}, // none equals none only
        {RvTag::FromString(""), RvTag::FromString(""), true},
        {RvTag::FromString("0"), RvTag::FromInt(0), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a == c.b, c.equal);
        EXPECT_EQ(c.b == c.a, c.equal);
    }
    EXPECT_TRUE(RvTag().IsEmpty());
    EXPECT_FALSE(RvTag::FromString("").IsEmpty());
    EXPECT_EQ(RvTag().AsString(), nullptr);
}

TEST(Tags, CopiesOwnTheirStrings)
{
    TCustomRVData doc;
    doc.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
    auto item = MakeItem('T', 0);
    item->Tag = RvTag::FromString("note");
    item->AttachedCheckpoint = std::make_unique<TRVCPInfo>();
    item->AttachedCheckpoint->Tag = RvTag::FromString("cp");
    doc.AppendItem("abc", std::move(item));

    auto copy = doc.ItemAt(0)->MakeCopy(&doc);
    ASSERT_NE(copy->Tag.AsString(), nullptr);
    EXPECT_EQ(*copy->Tag.AsString(), "note");
    EXPECT_NE(copy->Tag.AsString(), doc.TagAt(0).AsString());
    EXPECT_EQ(copy->Text, "abc");
    EXPECT_EQ(copy->AttachedCheckpoint, nullptr); // checkpoints are not copied with an item
    EXPECT_EQ(*doc.CheckpointAt(0)->Tag.AsString(), "cp");

    doc.Clear(); // the copy's string outlives the original's
    EXPECT_EQ(*copy->Tag.AsString(), "note");
}

TEST(Tags, MovingBetweenTagKindsIsRefused)
{
    TCustomRVData strings;
    strings.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
    TCustomRVData integers;
    integers.AppendItem("x", MakeItem('T', 0));
    for (auto [to, from] : {std::pair{&strings, &integers}, std::pair{&integers, &strings}}) {
        try {
            to->TakeItemsFrom(*from);
            FAIL() << "no error";
        } catch (const EVellumError& e) {
            EXPECT_STREQ(e.what(), "Can't assign Vellum to Vellum - tags types mismatch");
        }
    }
    EXPECT_EQ(integers.CountItems(), 1);
    EXPECT_EQ(strings.CountItems(), 0);
}

TEST(Tags, NestedDocumentsUseTheRootsTagKind)
{
    TCustomRVData root;
    root.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
    auto note = CreateItemByStyleNo(&root, rvsFootnote);
    TCustomRVData* text = note->NestedDocument(0);
    root.AppendItem("", std::move(note));
    EXPECT_TRUE(text->TagsArePChars());
    EXPECT_EQ(text->OutermostDocument(), &root);
    EXPECT_EQ(text->TopDocument(), &root);
    EXPECT_EQ(root.OwnerDocument(), nullptr);
}

} // namespace
} // namespace vellum::testing
