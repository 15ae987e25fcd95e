#include "vellum/style/list_info.h"

#include <algorithm>
#include <random>

#include "vellum/style/property_builders.h"

namespace vellum {

namespace {

// A random number in 1 .. 2^31 - 2, for identities that must be unlikely to collide.
int32_t RandomIdentity()
{
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int32_t> range(1, 0x7FFFFFFE);
    return range(generator);
}

PropertyInfo LevelsProperty()
{
    PropertyInfo p;
    p.Name = "Levels";
    p.Kind = PropertyKind::Collection;
    p.GetCollection = [](const Persistent& o) -> const RvCollection* {
        return &static_cast<const TRVListInfo&>(o).Levels;
    };
    p.CollectionForWrite = [](Persistent& o) -> RvCollection* { return &static_cast<TRVListInfo&>(o).Levels; };
    return p;
}

} // namespace

int32_t TRVListInfo::ListID() const
{
    while (FListID == 0)
        FListID = RandomIdentity();
    return FListID;
}

bool TRVListInfo::HasNumbering() const
{
    for (int i = 0; i < Levels.Count(); ++i) {
        if (Levels[i].HasNumbering())
            return true;
    }
    return false;
}

bool TRVListInfo::HasTextNumbering() const
{
    for (int i = 0; i < Levels.Count(); ++i) {
        if (IsTextNumberedListType(Levels[i].ListType))
            return true;
    }
    return false;
}

const TRVListLevel* TRVListInfo::LevelAt(int level) const
{
    if (level < 0 || Levels.Count() == 0)
        return nullptr;
    return &Levels[std::min(level, Levels.Count() - 1)];
}

void TRVListInfo::RemoveImageList(const RvImageList* imageList)
{
    for (int i = 0; i < Levels.Count(); ++i) {
        if (Levels[i].ImageList == imageList)
            Levels[i].ImageList = nullptr;
    }
}

void TRVListInfo::Assign(const TCustomRVInfo& source)
{
    TCustomRVInfo::Assign(source);
    const auto* src = dynamic_cast<const TRVListInfo*>(&source);
    if (!src)
        return;
    Levels.Assign(src->Levels);
    OneLevelPreview = src->OneLevelPreview;
    auto* lists = dynamic_cast<TRVListInfos*>(Collection());
    if (lists && lists->AllowAssignListID)
        FListID = src->ListID();
}

bool TRVListInfo::EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const
{
    const auto* o = dynamic_cast<const TRVListInfo*>(&other);
    if (!o || OneLevelPreview != o->OneLevelPreview || Levels.Count() != o->Levels.Count())
        return false;
    if (!ignoreReferences && ListID() != o->ListID())
        return false;
    for (int i = 0; i < Levels.Count(); ++i) {
        if (!Levels[i].IsEqual(o->Levels[i]))
            return false;
    }
    return true;
}

int32_t TRVListInfo::Similarity(const TCustomRVInfo& other) const
{
    const auto* o = dynamic_cast<const TRVListInfo*>(&other);
    if (!o)
        return 0;
    int64_t score = ListID() == o->ListID() ? 50 : 0;
    score += OneLevelPreview == o->OneLevelPreview ? 100 : 0;
    int common = std::min(Levels.Count(), o->Levels.Count());
    for (int i = 0; i < common; ++i)
        score += Levels[i].SimilarityValue(o->Levels[i]);
    score -= 100 * int64_t{std::max(Levels.Count(), o->Levels.Count()) - common};
    return static_cast<int32_t>(std::clamp<int64_t>(score, INT32_MIN, INT32_MAX));
}

std::span<const PropertyInfo> TRVListInfo::Properties() const
{
    static const PropertyInfo own[] = {
        LevelsProperty(),
        props::Boolean<&TRVListInfo::OneLevelPreview>("OneLevelPreview", false),
    };
    static const std::vector<PropertyInfo> table = JoinProperties({BaseProperties(), own});
    return table;
}

void TRVListInfo::WriteDefinedProperties(DefinedPropertyWriter& writer) const
{
    writer.WriteInteger("LstID", ListID());
}

DefinedRead TRVListInfo::ReadDefinedProperty(std::string_view name, const DefinedValue& value)
{
    if (name != "LstID")
        return DefinedRead::NotDefined;
    const int64_t* id = std::get_if<int64_t>(&value);
    if (!id || *id < INT32_MIN || *id > INT32_MAX)
        return DefinedRead::InvalidValue;
    FListID = static_cast<int32_t>(*id);
    return DefinedRead::Read;
}

// ---- TRVListInfos ----

const TRVListLevel* TRVListInfos::FindLevel(int listNo, int level) const
{
    if (!IsValidIndex(listNo))
        return nullptr;
    return (*this)[listNo].LevelAt(level);
}

void TRVListInfos::RemoveImageList(const RvImageList* imageList)
{
    for (int i = 0; i < Count(); ++i)
        (*this)[i].RemoveImageList(imageList);
}

std::unique_ptr<TCustomRVInfo> TRVListInfos::CreateItem() const
{
    if (FItemClass)
        return FItemClass();
    return std::make_unique<TRVListInfo>();
}

bool TRVListInfos::ReservesTarget(const TCustomRVInfo& source) const
{
    return static_cast<const TRVListInfo&>(source).HasNumbering();
}

void TRVListInfos::AppendedInMerge(const TCustomRVInfo& source, TCustomRVInfo& copy)
{
    static_cast<TRVListInfo&>(copy).SetListID(static_cast<const TRVListInfo&>(source).ListID());
}

} // namespace vellum
