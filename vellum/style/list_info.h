// List styles: a numbered sequence of levels with an identity that travels with the list, the
// list-style table, and their equality and similarity for merging.
#pragma once

#include <functional>

#include "vellum/style/custom_rv_info.h"
#include "vellum/style/list_level.h"

namespace vellum {

class TRVListInfo : public TCustomRVInfo {
public:
    TRVListInfo() : Levels(this) { StyleName = u"List Style"; }

    TRVListLevelCollection Levels;
    bool OneLevelPreview = false;

    // The list's identity; a nonzero random number is made on first use.
    int32_t ListID() const;
    void SetListID(int32_t id) { FListID = id; }
    // The identity without creating it (0 while unset).
    int32_t ListIDIfSet() const { return FListID; }

    bool HasNumbering() const;
    bool HasTextNumbering() const;
    // The level for a marker's level number: none for a negative number or a list without
    // levels, the last level for a number beyond it.
    const TRVListLevel* LevelAt(int level) const;
    // Forgets IMAGELIST in every level that refers to it.
    void RemoveImageList(const RvImageList* imageList);

    void Assign(const TCustomRVInfo& source) override;
    // IGNOREREFERENCES leaves the identities out.
    bool EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const override;
    int32_t Similarity(const TCustomRVInfo& other) const override;

    std::span<const PropertyInfo> Properties() const override;
    void WriteDefinedProperties(DefinedPropertyWriter& writer) const override;
    DefinedRead ReadDefinedProperty(std::string_view name, const DefinedValue& value) override;

private:
    mutable int32_t FListID = 0;
};

using ListInfoClass = std::unique_ptr<TRVListInfo> (*)();

class TRVListInfos : public InfosOf<TRVListInfo> {
public:
    explicit TRVListInfos(TRVStyle* owner, ListInfoClass itemClass = nullptr)
        : InfosOf<TRVListInfo>(owner), FItemClass(itemClass)
    {
    }

    // While set, assigning a list style copies its identity too (whole tables being replaced).
    bool AllowAssignListID = false;
    // Resolves the tag of a stored level's image list while a table is read; unset: none.
    std::function<RvImageList*(int32_t tag)> ImageListNeeded;

    // The level of list LISTNO for a marker's level number; null for a number outside the
    // table (list styles have no fallback) or as TRVListInfo::LevelAt says.
    const TRVListLevel* FindLevel(int listNo, int level) const;
    void RemoveImageList(const RvImageList* imageList);

protected:
    std::unique_ptr<TCustomRVInfo> CreateItem() const override;
    void MarkAsFallback(TCustomRVInfo& fallback) const override {}
    // Two numbered lists of one loaded document never fall together on one existing list.
    bool ReservesTarget(const TCustomRVInfo& source) const override;
    // An appended list keeps the identity it was stored with.
    void AppendedInMerge(const TCustomRVInfo& source, TCustomRVInfo& copy) override;

private:
    ListInfoClass FItemClass;
};

} // namespace vellum
