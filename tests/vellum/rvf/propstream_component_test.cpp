// Component streams: signature, prefix byte, registered classes only, children only where a
// component holds them.
#include <gtest/gtest.h>

#include "vellum/rvf/component_stream.h"
#include "vellum/style/property_builders.h"

namespace vellum {
namespace {

class Leaf : public Component {
public:
    int32_t Value = 0;
    std::string_view ClassName() const override { return "TLeaf"; }
    std::span<const PropertyInfo> Properties() const override
    {
        static const PropertyInfo table[] = {props::Integer<&Leaf::Value>("Value", 0)};
        return table;
    }
};

class Box : public Leaf {
public:
    std::vector<std::unique_ptr<Component>> Children;
    std::string_view ClassName() const override { return "TBox"; }
    bool AcceptsChildren() const override { return true; }
    void AddChild(std::unique_ptr<Component> child) override { Children.push_back(std::move(child)); }
    int ChildCount() const override { return static_cast<int>(Children.size()); }
    const Component* ChildAt(int i) const override { return Children[static_cast<size_t>(i)].get(); }
};

ComponentRegistry Registry()
{
    ComponentRegistry r;
    r.Register("TLeaf", [] { return std::unique_ptr<Component>(new Leaf); });
    r.Register("TBox", [] { return std::unique_ptr<Component>(new Box); });
    return r;
}

std::string Short(std::string_view s)
{
    return static_cast<char>(s.size()) + std::string(s);
}

const PropErrorHandler kHandleAll = [](const PropError&) { return true; };

TEST(PropStreamComponent, RoundTripWithChildren)
{
    Box box;
    box.Name = "Box1";
    box.Value = 300;
    auto leaf = std::make_unique<Leaf>();
    leaf->Name = "Leaf1";
    leaf->Value = -5;
    box.AddChild(std::move(leaf));
    std::string bytes = WriteComponentStream(box);
    EXPECT_EQ(bytes.substr(0, 4), "TPF0");

    std::string error;
    auto read = ReadComponentStream(bytes, Registry(), kHandleAll, &error);
    ASSERT_TRUE(read) << error;
    auto* result = dynamic_cast<Box*>(read.get());
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Name, "Box1");
    EXPECT_EQ(result->Value, 300);
    ASSERT_EQ(result->Children.size(), 1u);
    EXPECT_EQ(result->Children[0]->Name, "Leaf1");
    EXPECT_EQ(static_cast<Leaf&>(*result->Children[0]).Value, -5);
}

TEST(PropStreamComponent, Failures)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    };
    const std::string leafBody = Short("Value") + "\x02\x07" + std::string(1, '\0');
    const Case cases[] = {
        {"no signature", "TPF1" + Short("TLeaf") + Short("L") + leafBody + std::string(1, '\0'), "Invalid stream format"},
        {"unregistered class", "TPF0" + Short("TEvil") + Short("E") + std::string(2, '\0'), "Class TEvil not found"},
        {"child where none is held",
         "TPF0" + Short("TLeaf") + Short("L") + leafBody + Short("TLeaf") + Short("C") + std::string(3, '\0'),
         "Unexpected child component"},
        {"truncated", "TPF0" + Short("TLeaf") + Short("L") + Short("Value"), "Stream read error"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(ReadComponentStream(c.bytes, Registry(), kHandleAll, &error), nullptr) << c.what;
        EXPECT_EQ(error, c.message) << c.what;
    }
}

TEST(PropStreamComponent, PrefixByteAndExistingObject)
{
    // Prefix F2: a child position follows as an integer.
    std::string bytes = "TPF0\xF2\x02\x03" + Short("TSomething") + Short("Named") + Short("Value") + "\x02\x09" +
                        std::string(2, '\0');
    Leaf into;
    std::string error;
    ASSERT_TRUE(ReadComponentStreamInto(bytes, Registry(), into, kHandleAll, &error)) << error;
    EXPECT_EQ(into.Name, "Named");
    EXPECT_EQ(into.Value, 9);
}

TEST(PropStreamComponent, DeepChildrenAreRefusedNotRecursedWithoutBound)
{
    std::string bytes = "TPF0";
    for (int i = 0; i < 5000; ++i)
        bytes += Short("TBox") + Short("B") + std::string(1, '\0');
    std::string error;
    EXPECT_EQ(ReadComponentStream(bytes, Registry(), kHandleAll, &error), nullptr);
    EXPECT_EQ(error, "Objects nested too deep");
}

} // namespace
} // namespace vellum
