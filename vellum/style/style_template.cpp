#include "vellum/style/style_template.h"

#include <algorithm>
#include <limits>
#include <random>
#include <unordered_set>

#include "vellum/style/property_builders.h"
#include "vellum/style/rv_style.h"
#include "vellum/vellum_error.h"

namespace vellum {

namespace {

constexpr std::string_view kRecordFields[] = {"BaseStyleNo", "StyleName", "Standard", "StyleTemplateId"};

// A template's style records read the table-bound fields and drop them.
std::vector<PropertyInfo> WithoutRecordFields(std::span<const PropertyInfo> table)
{
    std::vector<PropertyInfo> result(table.begin(), table.end());
    for (PropertyInfo& p : result) {
        if (std::find(std::begin(kRecordFields), std::end(kRecordFields), p.Name) == std::end(kRecordFields))
            continue;
        p = props::NotStored(p);
        if (p.SetOrdinal)
            p.SetOrdinal = [](Persistent&, int64_t) {};
        if (p.SetString)
            p.SetString = [](Persistent&, const std::u16string&) {};
    }
    return result;
}

TRVStyleTemplateId RandomTemplateId()
{
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int32_t> range(1, 0x7FFFFFFE);
    return range(generator);
}

} // namespace

std::u16string FormatTemplateName(const std::u16string& format, int32_t n)
{
    std::u16string number;
    for (char c : std::to_string(n))
        number += static_cast<char16_t>(c);
    std::u16string result;
    bool replaced = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u'%') {
            result += u'%';
            ++i;
        } else if (!replaced && format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u'd') {
            result += number;
            replaced = true;
            ++i;
        } else {
            result += format[i];
        }
    }
    return replaced ? result : result + u" " + number;
}

std::span<const PropertyInfo> TRVSTFontInfo::Properties() const
{
    static const std::vector<PropertyInfo> table = WithoutRecordFields(TCustomRVFontInfo::Properties());
    return table;
}

std::span<const PropertyInfo> TRVSTParaInfo::Properties() const
{
    static const std::vector<PropertyInfo> table = WithoutRecordFields(TCustomRVParaInfo::Properties());
    return table;
}

std::span<const PropertyInfo> TRVSTListInfo::Properties() const
{
    static const std::vector<PropertyInfo> table = WithoutRecordFields(TRVListInfo::Properties());
    return table;
}

// ---- TRVStyleTemplate ----

TRVStyleTemplate::TRVStyleTemplate(TRVStyleTemplateCollection* collection) : FCollection(collection) {}

TRVStyleTemplate::~TRVStyleTemplate()
{
    Unlink();
    for (TRVStyleTemplate* child : FChildren) {
        child->FParent = nullptr;
        child->FParentId = -1;
    }
    if (FCollection && FCollection->FNormal == this)
        FCollection->FNormal = nullptr;
}

int TRVStyleTemplate::Index() const
{
    if (!FCollection)
        return -1;
    for (int i = 0; i < FCollection->Count(); ++i) {
        if (&(*FCollection)[i] == this)
            return i;
    }
    return -1;
}

void TRVStyleTemplate::SetName(const std::u16string& name)
{
    FName = name;
    if (!FCollection)
        return;
    if (name == u"Normal")
        FCollection->FNormal = this;
    else if (FCollection->FNormal == this)
        FCollection->FNormal = nullptr;
}

TRVStyleTemplateId TRVStyleTemplate::Id() const
{
    if (FId > 0)
        return FId;
    // The candidate is stored before the others are asked: a template that draws its own
    // identifier meanwhile then compares against this one instead of asking back.
    do
        FId = RandomTemplateId();
    while (FCollection && FCollection->IdTakenByOther(FId, this));
    return FId;
}

bool TRVStyleTemplate::LinksAllowed() const
{
    return FCollection && FCollection->Owner() && !FCollection->Loading();
}

void TRVStyleTemplate::Unlink()
{
    if (!FParent)
        return;
    auto& siblings = FParent->FChildren;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    FParent = nullptr;
}

bool TRVStyleTemplate::ChainContains(const TRVStyleTemplate* start, const TRVStyleTemplate* target) const
{
    std::unordered_set<const TRVStyleTemplate*> visited;
    for (const TRVStyleTemplate* t = start; t && visited.insert(t).second; t = t->FParent) {
        if (t == target)
            return true;
    }
    return false;
}

void TRVStyleTemplate::LinkParent(bool checkCycle)
{
    Unlink();
    if (FParentId <= 0 || !FCollection)
        return;
    TRVStyleTemplate* parent = FCollection->FindItemById(FParentId);
    if (!parent)
        return;
    if (checkCycle && ChainContains(parent, this)) {
        FParentId = -1;
        ThrowVellumError(messages::kCircularReferences);
    }
    FParent = parent;
    parent->FChildren.push_back(this);
}

void TRVStyleTemplate::SetParentId(TRVStyleTemplateId id)
{
    if (id == FParentId)
        return;
    FParentId = id;
    if (LinksAllowed())
        LinkParent(true);
}

void TRVStyleTemplate::Assign(const TRVStyleTemplate& source)
{
    if (&source == this)
        return;
    TextStyle.Assign(source.TextStyle);
    ParaStyle.Assign(source.ParaStyle);
    SetName(source.FName);
    ValidTextProperties = source.ValidTextProperties;
    ValidParaProperties1 = source.ValidParaProperties1;
    ValidParaProperties2 = source.ValidParaProperties2;
    if (FCollection && FCollection == source.FCollection)
        SetParentId(source.FParentId);
}

TRVFontInfoProperties TRVStyleTemplate::TakeText(TCustomRVFontInfo& style, TRVFontInfoProperties mask) const
{
    // The nearest template that defines a property wins; the walk stops at a repeat.
    TRVFontInfoProperties taken;
    std::unordered_set<const TRVStyleTemplate*> visited;
    for (const TRVStyleTemplate* t = this; t && visited.insert(t).second; t = t->FParent) {
        TRVFontInfoProperties props = (t->ValidTextProperties & mask) - taken;
        if (props.Empty())
            continue;
        style.AssignProperties(t->TextStyle, props);
        taken = taken | props;
    }
    return taken;
}

ParaInfoProperties TRVStyleTemplate::TakePara(TCustomRVParaInfo& style, ParaInfoProperties mask) const
{
    ParaInfoProperties taken;
    std::unordered_set<const TRVStyleTemplate*> visited;
    for (const TRVStyleTemplate* t = this; t && visited.insert(t).second; t = t->FParent) {
        ParaInfoProperties props = (t->ValidParaProperties() & mask) - taken;
        if (props.Empty())
            continue;
        style.AssignProperties(t->ParaStyle, props);
        taken = taken | props;
    }
    return taken;
}

void TRVStyleTemplate::ApplyToTextStyle(TCustomRVFontInfo& style, const TCustomRVParaInfo* para, bool reset) const
{
    auto* font = dynamic_cast<TFontInfo*>(&style);
    // 1. Everything, less what the style changed itself unless resetting.
    TRVFontInfoProperties mask = RVAllFontInfoProperties;
    if (!reset && font)
        mask = mask - font->ModifiedProperties;
    // 2. This template's chain.
    TRVFontInfoProperties done = TakeText(style, mask);
    // 3. The text properties of the paragraph's template fill in what is left.
    const TRVStyleTemplate* paraTemplate =
        para && para->StyleTemplateId > 0 && FCollection ? FCollection->FindItemById(para->StyleTemplateId) : nullptr;
    if (paraTemplate) {
        TRVFontInfoProperties rest = RVAllFontInfoProperties - done;
        if (font && font->StyleTemplateId != paraTemplate->Id())
            rest = rest - font->ModifiedProperties;
        done = done | paraTemplate->TakeText(style, rest);
    }
    // 4. Only text styles of a style sheet record what they follow.
    if (!font)
        return;
    if (reset) {
        font->ModifiedProperties = font->ModifiedProperties - done;
        font->StyleTemplateId = Id();
    }
    // 5. The rest comes from the normal template, or from text style 0.
    TRVFontInfoProperties rest = RVAllFontInfoProperties - done - font->ModifiedProperties;
    if (rest.Empty() || !FCollection)
        return;
    if (const TRVStyleTemplate* normal = FCollection->NormalStyleTemplate()) {
        normal->TakeText(style, rest);
        return;
    }
    TRVStyle* sheet = FCollection->Owner();
    if (sheet && sheet->TextStyles().Count() > 0 && &sheet->TextStyles()[0] != &style)
        style.AssignProperties(sheet->TextStyles()[0], rest);
}

void TRVStyleTemplate::ApplyToParaStyle(TCustomRVParaInfo& style, bool reset) const
{
    auto* para = dynamic_cast<TParaInfo*>(&style);
    ParaInfoProperties modified = para ? para->ModifiedProperties1 | para->ModifiedProperties2 : ParaInfoProperties{};
    ParaInfoProperties mask = RVAllParaInfoProperties;
    if (!reset)
        mask = mask - modified;
    ParaInfoProperties done = TakePara(style, mask);
    if (!para)
        return;
    if (reset) {
        para->ModifiedProperties1 = para->ModifiedProperties1 - done;
        para->ModifiedProperties2 = para->ModifiedProperties2 - done;
        para->StyleTemplateId = Id();
        modified = para->ModifiedProperties1 | para->ModifiedProperties2;
    }
    ParaInfoProperties rest = RVAllParaInfoProperties - done - modified;
    if (rest.Empty() || !FCollection)
        return;
    if (const TRVStyleTemplate* normal = FCollection->NormalStyleTemplate()) {
        normal->TakePara(style, rest);
        return;
    }
    TRVStyle* sheet = FCollection->Owner();
    if (sheet && sheet->ParaStyles().Count() > 0 && &sheet->ParaStyles()[0] != &style)
        style.AssignProperties(sheet->ParaStyles()[0], rest);
}

std::span<const PropertyInfo> TRVStyleTemplate::Properties() const
{
    using C = TRVStyleTemplate;
    static const PropertyInfo table[] = {
        [] {
            PropertyInfo p;
            p.Name = "Name";
            p.Kind = PropertyKind::String;
            p.GetString = [](const Persistent& o) { return static_cast<const C&>(o).Name(); };
            p.SetString = [](Persistent& o, const std::u16string& v) { static_cast<C&>(o).SetName(v); };
            return p;
        }(),
        [] {
            PropertyInfo p;
            p.Name = "ParentId";
            p.HasDefault = true;
            p.Default = -1;
            p.GetOrdinal = [](const Persistent& o) -> int64_t { return static_cast<const C&>(o).ParentId(); };
            p.SetOrdinal = [](Persistent& o, int64_t v) {
                static_cast<C&>(o).SetParentId(static_cast<TRVStyleTemplateId>(v));
            };
            return p;
        }(),
        props::Object<&C::TextStyle>("TextStyle"),
        props::Object<&C::ParaStyle>("ParaStyle"),
        props::Set<&C::ValidTextProperties>("ValidTextProperties", FontInfoPropertyNames()),
        props::Set<&C::ValidParaProperties1>("ValidParaProperties1", ParaInfoProperties1Names()),
        props::Set<&C::ValidParaProperties2>("ValidParaProperties2", ParaInfoProperties2Names()),
    };
    return table;
}

void TRVStyleTemplate::WriteDefinedProperties(DefinedPropertyWriter& writer) const
{
    writer.WriteInteger("IDProp", Id());
}

DefinedRead TRVStyleTemplate::ReadDefinedProperty(std::string_view name, const DefinedValue& value)
{
    if (name != "IDProp")
        return DefinedRead::NotDefined;
    const int64_t* id = std::get_if<int64_t>(&value);
    if (!id || *id < INT32_MIN || *id > INT32_MAX)
        return DefinedRead::InvalidValue;
    FId = static_cast<TRVStyleTemplateId>(*id);
    return DefinedRead::Read;
}

// ---- TRVStyleTemplateCollection ----

TRVStyleTemplateCollection::~TRVStyleTemplateCollection()
{
    Clear();
}

bool TRVStyleTemplateCollection::Loading() const
{
    return FOwner && FOwner->Loading();
}

bool TRVStyleTemplateCollection::IdTakenByOther(TRVStyleTemplateId id, const TRVStyleTemplate* self) const
{
    for (const auto& item : FItems) {
        if (item.get() != self && item->Id() == id)
            return true;
    }
    return false;
}

bool TRVStyleTemplateCollection::NameTakenByOther(const std::u16string& name, const TRVStyleTemplate* self) const
{
    for (const auto& item : FItems) {
        if (item.get() != self && item->Name() == name)
            return true;
    }
    return false;
}

void TRVStyleTemplateCollection::NameNewTemplate(TRVStyleTemplate& item)
{
    if (Count() == 1 || FNameCounter == std::numeric_limits<int32_t>::max())
        FNameCounter = 0;
    std::u16string name;
    do {
        if (FNameCounter == std::numeric_limits<int32_t>::max())
            FNameCounter = 0;
        name = FormatTemplateName(DefStyleName, ++FNameCounter);
    } while (NameTakenByOther(name, &item));
    item.SetName(name);
}

TRVStyleTemplate& TRVStyleTemplateCollection::Add()
{
    FItems.push_back(std::make_unique<TRVStyleTemplate>(this));
    TRVStyleTemplate& item = *FItems.back();
    if (!Loading())
        NameNewTemplate(item);
    return item;
}

void TRVStyleTemplateCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    // Destroyed while still in the list, so that its children can be told.
    std::unique_ptr<TRVStyleTemplate> item = std::move(FItems[static_cast<size_t>(index)]);
    item.reset();
    FItems.erase(FItems.begin() + index);
}

void TRVStyleTemplateCollection::Clear()
{
    while (!FItems.empty())
        Delete(Count() - 1);
}

void TRVStyleTemplateCollection::Assign(const TRVStyleTemplateCollection& source)
{
    if (&source == this)
        return;
    Clear();
    DefStyleName = source.DefStyleName;
    for (const auto& item : source.FItems)
        Add().Assign(*item);
    for (int i = 0; i < Count(); ++i) {
        const TRVStyleTemplate* parent = source[i].Parent();
        int parentIndex = parent ? parent->Index() : -1;
        if (parentIndex >= 0)
            (*this)[i].SetParentId((*this)[parentIndex].Id());
    }
}

int TRVStyleTemplateCollection::FindById(TRVStyleTemplateId id) const
{
    for (int i = 0; i < Count(); ++i) {
        if ((*this)[i].Id() == id)
            return i;
    }
    return -1;
}

TRVStyleTemplate* TRVStyleTemplateCollection::FindItemById(TRVStyleTemplateId id) const
{
    int index = FindById(id);
    return index < 0 ? nullptr : FItems[static_cast<size_t>(index)].get();
}

void TRVStyleTemplateCollection::ResetTextStyle(TCustomRVFontInfo& style, const TCustomRVParaInfo* para) const
{
    if (FNormal) {
        FNormal->ApplyToTextStyle(style, para, true);
        return;
    }
    if (FOwner && FOwner->TextStyles().Count() > 0)
        style.Assign(FOwner->TextStyles()[0]);
    if (auto* font = dynamic_cast<TFontInfo*>(&style)) {
        font->ModifiedProperties = {};
        font->StyleTemplateId = -1;
    }
}

void TRVStyleTemplateCollection::ResetParaStyle(TCustomRVParaInfo& style) const
{
    if (FNormal) {
        FNormal->ApplyToParaStyle(style, true);
        return;
    }
    if (FOwner && FOwner->ParaStyles().Count() > 0)
        style.Assign(FOwner->ParaStyles()[0]);
    if (auto* para = dynamic_cast<TParaInfo*>(&style)) {
        para->ModifiedProperties1 = {};
        para->ModifiedProperties2 = {};
        para->StyleTemplateId = -1;
    }
}

void TRVStyleTemplateCollection::ResolveParents()
{
    for (const auto& item : FItems)
        item->LinkParent(false);
}

} // namespace vellum
