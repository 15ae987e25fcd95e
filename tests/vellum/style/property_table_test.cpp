// The property tables that the property stream reads and writes.
#include <gtest/gtest.h>

#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

std::vector<std::string> Names(const Persistent& obj)
{
    std::vector<std::string> names;
    for (const PropertyInfo& p : obj.Properties())
        names.emplace_back(p.Name);
    return names;
}

// Names of the properties a writer would store for OBJ (stored and not at their default).
std::vector<std::string> Written(const Persistent& obj)
{
    std::vector<std::string> names;
    for (const PropertyInfo& p : obj.Properties()) {
        if (!p.Stored(obj))
            continue;
        if (p.Kind == PropertyKind::Object) {
            const Persistent* sub = p.GetObject(obj);
            for (const std::string& inner : sub ? Written(*sub) : std::vector<std::string>{})
                names.push_back(std::string(p.Name) + "." + inner);
            continue;
        }
        if (p.Kind == PropertyKind::Collection) {
            if (p.GetCollection(obj)->Count() > 0)
                names.emplace_back(p.Name);
            continue;
        }
        if (!p.IsDefault(obj))
            names.emplace_back(p.Name);
    }
    return names;
}

TEST(PropertyTables, StreamOrder)
{
    const std::vector<std::string> text = {
        "BaseStyleNo", "StyleName", "Standard", "StyleTemplateId", "Charset", "FontName", "Size", "Style",
        "VShift", "Color", "BackColor", "HoverBackColor", "HoverColor", "HoverEffects", "StyleEx", "Jump",
        "JumpCursor", "CharScale", "CharSpacing", "BiDiMode", "SubSuperScriptType", "Protection", "Options",
        "UnderlineType", "UnderlineColor", "HoverUnderlineColor", "NextStyleNo", "Unicode", "ModifiedProperties"};
    EXPECT_EQ(Names(TFontInfo()), text);
    const std::vector<std::string> para = {
        "BaseStyleNo", "StyleName", "Standard", "StyleTemplateId", "FirstIndent", "LeftIndent", "RightIndent",
        "SpaceBefore", "SpaceAfter", "Alignment", "Border", "Background", "LineSpacing", "LineSpacingType",
        "Options", "BiDiMode", "Tabs", "NextParaNo", "DefStyleNo", "ModifiedProperties1", "ModifiedProperties2"};
    EXPECT_EQ(Names(TParaInfo()), para);
    EXPECT_EQ(Names(TRVBorder()), (std::vector<std::string>{"Width", "InternalWidth", "Color", "Style",
                                                            "VisibleBorders", "BorderOffsets"}));
    EXPECT_EQ(Names(TRVRect()), (std::vector<std::string>{"Left", "Right", "Top", "Bottom"}));
    EXPECT_EQ(Names(TRVTabInfo()), (std::vector<std::string>{"Align", "Position", "Leader"}));
}

TEST(PropertyTables, NewRecordsWriteOnlyWhatHasNoDefault)
{
    EXPECT_EQ(Written(TFontInfo()), (std::vector<std::string>{"StyleName", "FontName"}));
    EXPECT_EQ(Written(TParaInfo()), (std::vector<std::string>{"StyleName"}));
    EXPECT_EQ(Written(TRVListInfo()), (std::vector<std::string>{"StyleName"}));
    EXPECT_EQ(Written(TRVTabInfo()), (std::vector<std::string>{"Position"}));
    TRVListLevel level;
    level.Font();
    EXPECT_EQ(Written(level), (std::vector<std::string>{}));
    level.Font().SetSize(12);
    level.Font().Name = u"Symbol";
    EXPECT_EQ(Written(level), (std::vector<std::string>{"Font.Height", "Font.Name"}));
}

TEST(PropertyTables, ChangedValuesAreWritten)
{
    TParaInfo p;
    p.Border.Style = rvbDouble;
    p.Border.VisibleBorders.Top = false;
    p.Background.BorderOffsets.Right = 2;
    p.Tabs.Add().SetPosition(3);
    p.ModifiedProperties2 = {rvpiTabs};
    EXPECT_EQ(Written(p), (std::vector<std::string>{"StyleName", "Border.Style", "Border.VisibleBorders.Top",
                                                    "Background.BorderOffsets.Right", "Tabs",
                                                    "ModifiedProperties2"}));
}

TEST(PropertyTables, AccessorsReachTheFields)
{
    TFontInfo f;
    const PropertyInfo* color = f.FindProperty("color"); // names match without regard to case
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->IntegerNames, IntegerNameTable::Color);
    color->SetOrdinal(f, int64_t{SystemColor(5)});
    EXPECT_EQ(f.Color, clWindow);
    EXPECT_EQ(color->GetOrdinal(f), int64_t{SystemColor(5)});

    const PropertyInfo* style = f.FindProperty("Style");
    EXPECT_EQ(style->Kind, PropertyKind::Set);
    EXPECT_EQ(style->FindValue("fsItalic"), 1);
    style->SetOrdinal(f, 0b101);
    EXPECT_EQ(f.Style, (FontStyles{fsBold, fsUnderline}));

    const PropertyInfo* jump = f.FindProperty("Jump");
    EXPECT_TRUE(jump->IsBoolean());
    jump->SetOrdinal(f, 1);
    EXPECT_TRUE(f.Jump);

    const PropertyInfo* name = f.FindProperty("FontName");
    name->SetString(f, u"宋体");
    EXPECT_EQ(f.FontName, u"宋体");

    TParaInfo p;
    const PropertyInfo* set2 = p.FindProperty("ModifiedProperties2");
    EXPECT_EQ(set2->FindValue("rvpiTabs"), int(rvpiTabs));
    EXPECT_EQ(set2->FindValue("rvpiFirstIndent"), -1); // belongs to the other half
    EXPECT_EQ(set2->SetMask(), RVParaInfoProperties2Range.Mask());

    const PropertyInfo* border = p.FindProperty("Border");
    Persistent* b = border->ObjectForWrite(p);
    b->FindProperty("Width")->SetOrdinal(*b, 4);
    EXPECT_EQ(p.Border.Width, 4);

    const PropertyInfo* tabs = p.FindProperty("Tabs");
    RvCollection* c = tabs->CollectionForWrite(p);
    Persistent& t1 = c->AddPersistent();
    t1.FindProperty("Position")->SetOrdinal(t1, 90);
    Persistent& t2 = c->AddPersistent();
    t2.FindProperty("Position")->SetOrdinal(t2, 30);
    EXPECT_EQ(p.Tabs[0].Position(), 30);
    EXPECT_EQ(p.Tabs[1].Position(), 90);
}

TEST(PropertyTables, TemplateRecordsIgnoreTableFields)
{
    TRVStyleTemplate t;
    Persistent& text = *t.FindProperty("TextStyle")->ObjectForWrite(t);
    const PropertyInfo* name = text.FindProperty("StyleName");
    ASSERT_NE(name, nullptr);
    name->SetString(text, u"ignored");
    EXPECT_EQ(t.TextStyle.StyleName, u"Font Style");
    EXPECT_FALSE(name->Stored(text));
    text.FindProperty("Size")->SetOrdinal(text, 16);
    EXPECT_EQ(t.TextStyle.Size, 16);
}

} // namespace
} // namespace vellum
