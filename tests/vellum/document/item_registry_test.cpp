// Creating items by style number and registering item classes.
#include <gtest/gtest.h>

#include <typeinfo>

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

TEST(ItemRegistry, CreatesTheClassOfEachStyleNumber)
{
    struct Case {
        int32_t styleNo;
        const std::type_info* type; // null: no item
    };
    const Case cases[] = {
        {0, &typeid(TRVTextItemInfo)},
        {rvsDefStyle, &typeid(TRVTextItemInfo)},
        {rvsBreak, &typeid(TRVBreakItemInfo)},
        {rvsCheckpoint, nullptr},
        {rvsPicture, &typeid(TRVGraphicItemInfo)},
        {rvsHotspot, &typeid(TRVHotspotItemInfo)},
        {rvsComponent, &typeid(TRVControlItemInfo)},
        {rvsBullet, &typeid(TRVBulletItemInfo)},
        {rvsBack, nullptr},
        {rvsVersionInfo, nullptr},
        {rvsDocProperty, nullptr},
        {rvsHotPicture, &typeid(TRVHotGraphicItemInfo)},
        {rvsListMarker, &typeid(TRVMarkerItemInfo)},
        {rvsTab, &typeid(TRVTabItemInfo)},
        {rvsLabel, &typeid(TRVLabelItemInfo)},
        {-201, nullptr},
        {rvsSequence, &typeid(TRVSeqItemInfo)},
        {rvsFootnote, &typeid(TRVFootnoteItemInfo)},
        {rvsEndnote, &typeid(TRVEndnoteItemInfo)},
        {rvsNoteReference, &typeid(TRVNoteReferenceItemInfo)},
        {-77, nullptr},
        {INT32_MIN, nullptr},
    };
    for (const Case& c : cases) {
        auto item = CreateItemByStyleNo(nullptr, c.styleNo);
        if (!c.type) {
            EXPECT_EQ(item, nullptr) << c.styleNo;
            continue;
        }
        ASSERT_NE(item, nullptr) << c.styleNo;
        EXPECT_EQ(typeid(*item), *c.type) << c.styleNo;
        EXPECT_EQ(item->StyleNo, c.styleNo);
    }
}

class TestItemA : public TRVRectItemInfo {
public:
    using TRVRectItemInfo::TRVRectItemInfo;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override
    {
        return std::make_unique<TestItemA>(rvData);
    }
};

class TestItemB : public TestItemA {
public:
    using TestItemA::TestItemA;
};

TEST(ItemRegistry, RegistrationRules)
{
    struct Case {
        int32_t styleNo;
        ItemInfoClass itemClass;
        bool accepted;
    };
    const Case cases[] = {
        {-300, &CreateItemOfClass<TestItemA>, true},
        {-300, &CreateItemOfClass<TestItemA>, true}, // the same pair again does nothing
        {-300, &CreateItemOfClass<TestItemB>, false},
        {rvsLabel, &CreateItemOfClass<TRVLabelItemInfo>, true},
        {rvsLabel, &CreateItemOfClass<TestItemA>, false},
        {rvsDocProperty, &CreateItemOfClass<TestItemA>, false},
        {rvsBreak, &CreateItemOfClass<TestItemA>, false},
        {0, &CreateItemOfClass<TestItemA>, false},
        {-301, nullptr, false},
    };
    for (const Case& c : cases) {
        if (c.accepted) {
            EXPECT_NO_THROW(RegisterVellumItemClass(c.styleNo, c.itemClass)) << c.styleNo;
            continue;
        }
        try {
            RegisterVellumItemClass(c.styleNo, c.itemClass);
            ADD_FAILURE() << "accepted " << c.styleNo;
        } catch (const EVellumError& e) {
            EXPECT_STREQ(e.what(),
                         "Can't register Vellum item type - this StyleNo is already registered");
        }
    }
    auto item = CreateItemByStyleNo(nullptr, -300);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(typeid(*item), typeid(TestItemA));
    EXPECT_EQ(item->StyleNo, -300);
    EXPECT_EQ(typeid(*CreateItemByStyleNo(nullptr, rvsLabel)), typeid(TRVLabelItemInfo));
}

} // namespace
} // namespace vellum::testing
