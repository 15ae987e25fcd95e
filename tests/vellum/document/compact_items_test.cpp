// Items keep their rare fields (hint, word marks, the attached checkpoint) in a block made on
// first use, string tags in the tag's own word, and their texts in the arena of the document
// that holds them. Items of every kind, with those fields set and unset and texts from empty to
// larger than an arena block, are copied, moved between documents, taken out and freed, and read
// back the same each time (the sanitizer build checks that nothing dangles or leaks).
#include <gtest/gtest.h>

#include "document_test_util.h"
#include "vellum/document/text_arena.h"
#include "vellum/document/item_text.h"
#include "vellum/document/note_item_info.h"

#include <vector>

namespace vellum::testing {
namespace {

const int32_t kKinds[] = {0,           rvsBreak,    rvsPicture,  rvsHotPicture, rvsBullet,
                          rvsHotspot,  rvsComponent, rvsTab,     rvsListMarker, rvsLabel,
                          rvsSequence, rvsFootnote, rvsEndnote, rvsNoteReference};

struct Rare {
    const char* name;
    bool hint, marks, stringTag, checkpoint;
};
const Rare kRare[] = {
    {"none", false, false, false, false},      {"hint", true, false, false, false},
    {"marks", false, true, false, false},      {"string tag", false, false, true, false},
    {"checkpoint", false, false, false, true}, {"all", true, true, true, true},
};

// Empty, inline-sized, typical and larger than an arena block.
std::string TextFor(size_t n)
{
    static const size_t kSizes[] = {0, 3, 29, 90, 20000};
    const size_t size = kSizes[n % std::size(kSizes)];
    std::string text(size, '\0');
    for (size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('a' + (n + i) % 26);
    return text;
}

std::unique_ptr<TCustomRVItemInfo> MakeRareItem(int32_t styleNo, const Rare& rare, size_t n)
{
    auto item = CreateItemByStyleNo(nullptr, styleNo);
    item->ParaNo = -1;
    item->Tag = rare.stringTag ? RvTag::FromString("tag" + std::to_string(n)) : RvTag::FromInt(int32_t(n));
    if (rare.hint)
        item->SetHint("hint" + std::to_string(n));
    if (rare.marks)
        item->SetWordMarks(std::make_unique<TRVWordPainterList>(TRVWordPainterList{WordPainter{1, int32_t(n)}}));
    if (rare.checkpoint) {
        auto cp = std::make_unique<TRVCPInfo>();
        cp->Name = "cp" + std::to_string(n);
        item->SetAttachedCheckpoint(std::move(cp));
    }
    EXPECT_EQ(item->HasExtras(), rare.hint || rare.marks || rare.checkpoint) << rare.name;
    return item;
}

// Everything the item keeps, in one line; word marks only with MARKS (copies do not take them:
// they belong to a spelling pass over the original).
std::string Describe(const TCustomRVItemInfo& item, bool marks = true)
{
    // Texts go in by length, start and a checksum, so that the long ones keep messages short.
    size_t sum = 0;
    for (char c : item.Text)
        sum = sum * 31 + static_cast<unsigned char>(c);
    std::string out = std::to_string(item.StyleNo) + " [" + std::to_string(item.Text.size()) + ":" +
                      std::string(item.Text.View().substr(0, 8)) + ":" + std::to_string(sum) + "] tag=";
    out += item.Tag.AsString() ? "s:" + *item.Tag.AsString() : std::to_string(item.Tag.AsInt());
    out += " hint=" + item.Hint();
    if (const TRVWordPainterList* list = item.WordMarks(); list && marks)
        out += " marks=" + std::to_string(list->size()) + ":" + std::to_string(list->front().Length);
    if (const TRVCPInfo* cp = item.AttachedCheckpoint())
        out += " cp=" + cp->Name;
    return out;
}

std::vector<std::string> DescribeAll(const TCustomRVData& doc, bool marks = true)
{
    std::vector<std::string> out;
    for (int32_t i = 0; i < doc.CountItems(); ++i)
        out.push_back(Describe(*doc.ItemAt(i), marks));
    return out;
}

std::vector<std::string> DescribeAll(const std::vector<std::unique_ptr<TCustomRVItemInfo>>& items)
{
    std::vector<std::string> out;
    for (const auto& item : items)
        out.push_back(Describe(*item));
    return out;
}

void UseStringTags(TCustomRVData& doc)
{
    doc.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
}

// Fills DOC with every kind in every rare-field combination; returns the expected descriptions.
std::vector<std::string> FillEveryCombination(TCustomRVData& doc)
{
    std::vector<std::string> expected;
    size_t n = 0;
    for (const Rare& rare : kRare) {
        for (int32_t styleNo : kKinds) {
            auto item = MakeRareItem(styleNo, rare, n);
            const std::string text = TextFor(n++);
            item->Text = text;
            expected.push_back(Describe(*item));
            doc.AppendItem(text, std::move(item));
        }
    }
    return expected;
}

TEST(CompactItems, EveryKindAndRareFieldSurvivesCopyMoveExtractAndFree)
{
    auto source = std::make_unique<TCustomRVData>();
    UseStringTags(*source);
    const std::vector<std::string> expected = FillEveryCombination(*source);
    ASSERT_EQ(DescribeAll(*source), expected);

    // Item copies carry no checkpoint (the document owns the chain) and no word marks; the rest
    // is the same.
    auto copies = std::make_unique<TCustomRVData>();
    UseStringTags(*copies);
    for (int32_t i = 0; i < source->CountItems(); ++i) {
        auto copy = source->ItemAt(i)->MakeCopy(copies.get());
        EXPECT_EQ(copy->AttachedCheckpoint(), nullptr);
        if (const TRVCPInfo* cp = source->CheckpointAt(i))
            copy->SetAttachedCheckpoint(std::make_unique<TRVCPInfo>(cp->CopyData()));
        copies->InsertItemAt(i, std::move(copy));
    }
    EXPECT_EQ(DescribeAll(*copies, false), DescribeAll(*source, false));

    // Moved items keep texts that were stored in the source's arena after the source is gone.
    auto moved = std::make_unique<TCustomRVData>();
    UseStringTags(*moved);
    moved->TakeItemsFrom(*source);
    source.reset();
    EXPECT_EQ(DescribeAll(*moved), expected);

    // Items taken out of a list own their texts and outlive the document.
    auto taken = moved->Items.Extract(10, 30);
    moved.reset();
    EXPECT_EQ(DescribeAll(taken), std::vector<std::string>(expected.begin() + 10, expected.begin() + 40));
    for (const auto& item : taken)
        EXPECT_FALSE(item->Text.Borrowed());
    taken.clear();
    copies->Clear();
    EXPECT_EQ(copies->CheckpointCount, 0);
}

TEST(CompactItems, ExtrasComeAndGoWithTheRareFields)
{
    auto item = CreateItemByStyleNo(nullptr, 0);
    EXPECT_FALSE(item->HasExtras());
    item->SetHint("");
    item->SetWordMarks(nullptr);
    item->SetAttachedCheckpoint(nullptr);
    item->Tag = RvTag::FromString("a string tag needs no extras");
    EXPECT_FALSE(item->HasExtras()) << "clearing or tagging made an extras block";
    EXPECT_EQ(item->Hint(), "");

    item->SetHint("h");
    item->SetWordMarks(std::make_unique<TRVWordPainterList>());
    item->SetAttachedCheckpoint(std::make_unique<TRVCPInfo>());
    EXPECT_TRUE(item->HasExtras());
    item->SetHint("");
    item->SetWordMarks(nullptr);
    EXPECT_TRUE(item->HasExtras()) << "the checkpoint is still there";
    std::unique_ptr<TRVCPInfo> cp = item->TakeAttachedCheckpoint();
    EXPECT_NE(cp, nullptr);
    EXPECT_FALSE(item->HasExtras()) << "an extras block with nothing in it was kept";
}

TEST(CompactItems, TextsStoredInAnArenaAreCopiedWhenChanged)
{
    TCustomRVData doc;
    doc.AppendItem("first", CreateItemByStyleNo(nullptr, 0));
    doc.AppendItem(std::string(70000, 'x'), CreateItemByStyleNo(nullptr, 0));
    TCustomRVItemInfo& item = *doc.ItemAt(0);
    EXPECT_TRUE(item.Text.Borrowed());
    item.Text = item.Text.View().substr(1); // from its own bytes
    EXPECT_EQ(item.Text, "irst");
    EXPECT_FALSE(item.Text.Borrowed());
    EXPECT_EQ(doc.TextAt(1).size(), 70000u);
    ItemText copy = doc.ItemAt(1)->Text;
    EXPECT_FALSE(copy.Borrowed());
    EXPECT_EQ(copy, doc.TextAt(1));
}

} // namespace
} // namespace vellum::testing

// Texts of every size, in an order where a text is larger than the block the arena would make
// next for it; each must come back whole (ASan catches a text written past its block).
TEST(CompactItems, ArenaBlocksHoldEveryTextThatAsksForThem)
{
    vellum::TextArena arena;
    std::vector<std::pair<std::string, std::string_view>> stored;
    for (size_t size : {1u, 300u, 1000u, 255u, 5000u, 16384u, 16385u, 70000u, 2u, 40000u}) {
        std::string text(size, char('a' + stored.size()));
        std::string_view view = arena.Store(text);
        stored.emplace_back(std::move(text), view);
    }
    for (const auto& [text, view] : stored)
        EXPECT_EQ(view, text) << text.size();
}
