// The checkpoint chain and the end checkpoint through appending, inserting, removing, clearing
// and taking items over from another document.
#include <gtest/gtest.h>

#include <functional>

#include "document_test_util.h"

namespace vellum::testing {
namespace {

std::unique_ptr<TCustomRVItemInfo> TextWithCheckpoint(const char* name, int32_t paraNo = 0)
{
    auto item = MakeItem('T', paraNo);
    if (name) {
        item->AttachedCheckpoint = std::make_unique<TRVCPInfo>();
        item->AttachedCheckpoint->Name = name;
    }
    return item;
}

// Builds "a@0 b@1" plus an end checkpoint "e" in the first document; the second starts empty.
void BuildSample(TCustomRVData& doc)
{
    doc.AppendItem("0", TextWithCheckpoint("a"));
    doc.AppendItem("1", TextWithCheckpoint("b"));
    doc.AppendItem("2", TextWithCheckpoint(nullptr));
    doc.AppendCheckpoint("e", false, RvTag());
}

struct ChainCase {
    const char* name;
    std::function<void(TCustomRVData& doc, TCustomRVData& other)> run;
    const char* chain;
    int32_t count;
};

const ChainCase kCases[] = {
    {"end checkpoint on an empty document",
     [](TCustomRVData& doc, TCustomRVData&) { doc.AppendCheckpoint("x", true, RvTag()); }, "|x",
     1},
    {"a pending end checkpoint stays",
     [](TCustomRVData& doc, TCustomRVData&) {
         EXPECT_EQ(doc.AppendCheckpoint("x", true, RvTag()), 0);
         EXPECT_EQ(doc.AppendCheckpoint("y", true, RvTag()), 0);
     },
     "|x", 1},
    {"end checkpoint attaches to the next appended item",
     [](TCustomRVData& doc, TCustomRVData&) {
         doc.AppendCheckpoint("x", true, RvTag());
         doc.AppendItem("", MakeItem('T', 0));
     },
     "x@0 ", 1},
    {"an item's own checkpoint yields to a pending one",
     [](TCustomRVData& doc, TCustomRVData&) {
         doc.AppendCheckpoint("x", true, RvTag());
         doc.AppendItem("", TextWithCheckpoint("own"));
     },
     "x@0 ", 1},
    {"sample", [](TCustomRVData& doc, TCustomRVData&) { BuildSample(doc); }, "a@0 b@1 |e", 3},
    {"insert links in item order",
     [](TCustomRVData& doc, TCustomRVData&) {
         BuildSample(doc);
         doc.InsertItemAt(1, "", TextWithCheckpoint("n"));
         doc.InsertItemAt(0, "", TextWithCheckpoint("f"));
         doc.InsertItemAt(5, "", TextWithCheckpoint("z"));
     },
     "f@0 a@1 n@2 b@3 z@5 |e", 6},
    {"remove first checkpoint",
     [](TCustomRVData& doc, TCustomRVData&) {
         BuildSample(doc);
         doc.RemoveItems(0, 1);
     },
     "b@0 |e", 2},
    {"remove last chained checkpoint",
     [](TCustomRVData& doc, TCustomRVData&) {
         BuildSample(doc);
         doc.RemoveItems(1, 2);
         doc.AppendItem("", MakeItem('T', 0)); // the end checkpoint goes here
     },
     "a@0 e@1 ", 2},
    {"clear frees every checkpoint",
     [](TCustomRVData& doc, TCustomRVData&) {
         BuildSample(doc);
         doc.Clear();
     },
     "", 0},
    {"take over into an empty document",
     [](TCustomRVData& doc, TCustomRVData& other) {
         BuildSample(other);
         doc.TakeItemsFrom(other);
         EXPECT_EQ(other.CountItems(), 0);
         EXPECT_EQ(other.CheckpointCount, 0);
         EXPECT_EQ(other.FirstCheckpoint, nullptr);
     },
     "a@0 b@1 |e", 3},
    {"take over behind a pending end checkpoint",
     [](TCustomRVData& doc, TCustomRVData& other) {
         BuildSample(other);
         doc.AppendCheckpoint("mine", false, RvTag());
         doc.TakeItemsFrom(other);
     },
     "mine@0 b@1 |e", 3},
    {"take over keeps this document's end checkpoint",
     [](TCustomRVData& doc, TCustomRVData& other) {
         BuildSample(other);
         doc.AppendItem("", MakeItem('T', 0));
         doc.AppendCheckpoint("mine", false, RvTag());
         other.RemoveItems(0, 3);
         other.AppendItem("", MakeItem('T', 0));
         other.AppendCheckpoint("theirs", false, RvTag());
         doc.TakeItemsFrom(other);
     },
     "mine@1 |theirs", 2},
};

class CheckpointChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(CheckpointChain, MatchesItemsAndCount)
{
    TCustomRVData doc;
    TCustomRVData other;
    GetParam().run(doc, other);
    EXPECT_EQ(DescribeCheckpoints(doc), GetParam().chain);
    EXPECT_EQ(doc.CheckpointCount, GetParam().count);
    // The chain is doubly linked and its ends are right.
    const TRVCPInfo* previous = nullptr;
    for (const TRVCPInfo* cp = doc.FirstCheckpoint; cp; cp = cp->Next) {
        EXPECT_EQ(cp->Prev, previous);
        EXPECT_EQ(cp->ItemInfo->AttachedCheckpoint.get(), cp);
        previous = cp;
    }
    EXPECT_EQ(doc.LastCheckpoint, previous);
}

INSTANTIATE_TEST_SUITE_P(Document, CheckpointChain, ::testing::ValuesIn(kCases), CaseName());

TEST(CheckpointQueries, NumbersLookupsAndRenumbering)
{
    TCustomRVData doc;
    BuildSample(doc);
    doc.InsertItemAt(0, "", MakeItem('T', 0));
    EXPECT_EQ(doc.CheckpointNo(doc.CheckpointAt(1)), 0);
    EXPECT_EQ(doc.CheckpointNo(doc.CheckpointAt(2)), 1);
    EXPECT_EQ(doc.CheckpointNo(doc.EndCheckpoint.get()), 2);
    EXPECT_EQ(doc.CheckpointAt(0), nullptr);
    EXPECT_EQ(doc.FindCheckpointBefore(0), nullptr);
    EXPECT_EQ(doc.FindCheckpointBefore(1), nullptr);
    EXPECT_EQ(doc.FindCheckpointBefore(2)->Name, "a");
    EXPECT_EQ(doc.FindCheckpointBefore(4)->Name, "b");
    doc.RenumberCheckpoints();
    EXPECT_EQ(doc.CheckpointAt(1)->ItemNo, 1);
    EXPECT_EQ(doc.CheckpointAt(2)->ItemNo, 2);
}

TEST(CheckpointQueries, TakenEndCheckpointLeavesTheCount)
{
    TCustomRVData doc;
    doc.AppendCheckpoint("x", true, RvTag::FromInt(5));
    std::unique_ptr<TRVCPInfo> taken = doc.TakeEndCheckpoint();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->Tag.AsInt(), 5);
    EXPECT_TRUE(taken->RaiseEvent);
    EXPECT_EQ(doc.CheckpointCount, 0);
    doc.SetEndCheckpoint(std::move(taken));
    EXPECT_EQ(doc.CheckpointCount, 1);
}

} // namespace
} // namespace vellum::testing
