// The base of every style record (text, paragraph and list styles) and of the numbered style
// tables that hold them, with the merge of a loaded table into an existing one.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vellum/rv_types.h"
#include "vellum/style/persistent.h"

namespace vellum {

class TRVStyle;
class TCustomRVInfos;

// A style record. Its style number is its index in its collection.
class TCustomRVInfo : public Persistent {
public:
    TCustomRVInfo() = default;
    TCustomRVInfo(const TCustomRVInfo&) = delete;
    TCustomRVInfo& operator=(const TCustomRVInfo&) = delete;
    ~TCustomRVInfo() override = default;

    int32_t BaseStyleNo = -1;
    std::u16string StyleName;
    bool Standard = true;
    int32_t StyleTemplateId = -1;

    TCustomRVInfos* Collection() const { return FCollection; }
    // The style number; -1 for a record outside a table (a fallback or a template's style).
    int Index() const { return FIndex; }

    // Copies the fields that SOURCE shares with this record.
    virtual void Assign(const TCustomRVInfo& source);
    virtual std::u16string GetDisplayName() const { return StyleName; }
    virtual bool EqualTo(const TCustomRVInfo& other, bool ignoreReferences) const;
    // Equality while merging a loaded table: this is the incoming style, OTHER an existing one,
    // MAPPING the incoming numbers already mapped (entry i for incoming style i).
    virtual bool EqualMapped(const TCustomRVInfo& other, const TRVIntegerList& mapping) const;
    // Larger is closer; this is the style looking for a match, OTHER the candidate.
    virtual int32_t Similarity(const TCustomRVInfo& other) const;
    // After a merge appended this record: translate its references to other styles.
    virtual void RemapReferences(const TRVIntegerList& mapping, const TRVIntegerList* textMapping);

    std::span<const PropertyInfo> Properties() const override;

protected:
    static std::span<const PropertyInfo> BaseProperties();
    // MAPPING[value] for a non-negative reference; a list-index error when it is out of range.
    static int32_t MapReference(int32_t value, const TRVIntegerList& mapping);
    // Whether an incoming style's follow-on REFERENCE agrees with an existing style's THEIRS
    // while merging: an unset one, or one naming an incoming style not mapped yet, cannot
    // disagree; a mapped one must land on THEIRS.
    static bool MappedReferenceAgrees(int32_t reference, int32_t theirs, const TRVIntegerList& mapping);

private:
    friend class TCustomRVInfos;
    TCustomRVInfos* FCollection = nullptr;
    int FIndex = -1;
};

// Told about every style that a merge appends (a document passes it on to its viewer).
class StyleAddedListener {
public:
    virtual ~StyleAddedListener() = default;
    virtual void DoAddStyle(TCustomRVInfo& style) = 0;
};

enum StyleMergeMode : uint8_t { rvsmmMerge, rvsmmMap, rvsmmAppend };

// A numbered style table. Indexed access never fails: a number outside the table answers a
// fallback style that shows the fault on screen.
class TCustomRVInfos : public RvCollection {
public:
    explicit TCustomRVInfos(TRVStyle* owner) : FOwner(owner) {}
    TCustomRVInfos(const TCustomRVInfos&) = delete;
    TCustomRVInfos& operator=(const TCustomRVInfos&) = delete;
    ~TCustomRVInfos() override;

    TRVStyle* Owner() const { return FOwner; }
    int Count() const override { return static_cast<int>(FItems.size()); }
    bool IsValidIndex(int styleNo) const { return styleNo >= 0 && styleNo < Count(); }
    const Persistent& PersistentAt(int index) const override { return InfoAt(index); }
    Persistent& AddPersistent() override { return AddInfo(); }
    void Clear() override;
    void Delete(int index);

    // Appends a new style with the defaults of the table's style class.
    TCustomRVInfo& AddInfo();
    // The style at STYLENO, or the fallback style when STYLENO is outside the table.
    TCustomRVInfo& InfoAt(int styleNo);
    const TCustomRVInfo& InfoAt(int styleNo) const;
    const TCustomRVInfo* FallbackIfCreated() const { return FInvalidItem.get(); }

    // Replaces the content by copies of SOURCE's styles; assigning a table to itself does nothing.
    void AssignFrom(const TCustomRVInfos& source);
    // The display name of every style in order.
    std::vector<std::u16string> StyleNames() const;

    // Merges SOURCE (a table of the same kind) into this one and fills MAPPING with, for each
    // source style, the number it became here (-1 in map mode when this table is empty).
    void MergeStyles(const TCustomRVInfos& source, StyleMergeMode mode,
                     StyleAddedListener* ownerDocument, const TRVIntegerList* textStyleMapping,
                     TRVIntegerList& mapping);

protected:
    virtual std::unique_ptr<TCustomRVInfo> CreateItem() const = 0;
    // Turns a copy of style 0 (or a default style) into the visible fallback.
    virtual void MarkAsFallback(TCustomRVInfo& fallback) const = 0;
    // Map mode: the best existing match for SOURCE (-1 when the table is empty).
    virtual int FindMapTarget(const TCustomRVInfo& source) const;
    // The best-scoring style among those that ACCEPT lets through; ties go to the lowest number.
    int BestMatch(const TCustomRVInfo& source, const std::function<bool(const TCustomRVInfo&)>& accept) const;
    // Merge mode hooks: whether TARGET may still receive SOURCE given the targets already
    // reserved, whether SOURCE reserves its target, and the copy step of an appended style.
    virtual bool ReservesTarget(const TCustomRVInfo& source) const { return false; }
    virtual void AppendedInMerge(const TCustomRVInfo& source, TCustomRVInfo& copy) {}

private:
    TCustomRVInfo& Adopt(std::unique_ptr<TCustomRVInfo> item);
    int FindMergeTarget(const TCustomRVInfo& source, int sourceNo, const TRVIntegerList& mapping,
                        const std::vector<bool>& reserved) const;
    int AppendCopy(const TCustomRVInfo& source, StyleAddedListener* ownerDocument);
    void RenumberFrom(int index);

    TRVStyle* FOwner;
    std::vector<std::unique_ptr<TCustomRVInfo>> FItems;
    mutable std::unique_ptr<TCustomRVInfo> FInvalidItem;
};

// A table typed by its style class.
template <typename Info>
class InfosOf : public TCustomRVInfos {
public:
    using TCustomRVInfos::TCustomRVInfos;
    Info& Add() { return static_cast<Info&>(AddInfo()); }
    Info& operator[](int styleNo) { return static_cast<Info&>(InfoAt(styleNo)); }
    const Info& operator[](int styleNo) const { return static_cast<const Info&>(InfoAt(styleNo)); }
    Info& Items(int styleNo) { return (*this)[styleNo]; }
    const Info& Items(int styleNo) const { return (*this)[styleNo]; }
};

} // namespace vellum
