// Tab stops of a paragraph style, kept sorted by position.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vellum/style/persistent.h"

namespace vellum {

class TCustomRVParaInfo;
class TRVTabInfos;

enum TRVTabAlign : uint8_t { rvtaLeft, rvtaRight, rvtaCenter };

class TRVTabInfo : public Persistent {
public:
    TRVTabAlign Align = rvtaLeft;
    std::u16string Leader;

    int32_t Position() const { return FPosition; }
    // Moves the stop; the owning collection re-sorts itself by position.
    void SetPosition(int32_t position);
    TRVTabInfos* Collection() const { return FCollection; }

    void Assign(const TRVTabInfo& source);
    // Same position, alignment and leader (leader compared with letter case).
    bool IsEqual(const TRVTabInfo& other) const;

    std::span<const PropertyInfo> Properties() const override;

private:
    friend class TRVTabInfos;
    int32_t FPosition = 0;
    TRVTabInfos* FCollection = nullptr;
};

class TRVTabInfos : public RvCollection {
public:
    explicit TRVTabInfos(TCustomRVParaInfo* owner = nullptr) : FOwner(owner) {}
    TRVTabInfos(const TRVTabInfos&) = delete;
    TRVTabInfos& operator=(const TRVTabInfos&) = delete;

    TCustomRVParaInfo* Owner() const { return FOwner; }
    int Count() const override { return static_cast<int>(FItems.size()); }
    const TRVTabInfo& operator[](int index) const { return *FItems.at(static_cast<size_t>(index)); }
    TRVTabInfo& operator[](int index) { return *FItems.at(static_cast<size_t>(index)); }
    const TRVTabInfo& Items(int index) const { return (*this)[index]; }
    TRVTabInfo& Items(int index) { return (*this)[index]; }
    // Appends a stop at position 0 (it moves into place when its position is set).
    TRVTabInfo& Add();
    void Delete(int index);
    void Clear() override { FItems.clear(); }
    void Assign(const TRVTabInfos& source);
    bool IsEqual(const TRVTabInfos& other) const;

    const Persistent& PersistentAt(int index) const override { return (*this)[index]; }
    Persistent& AddPersistent() override { return Add(); }

private:
    friend class TRVTabInfo;
    void SortTabs();

    TCustomRVParaInfo* FOwner;
    std::vector<std::unique_ptr<TRVTabInfo>> FItems;
};

} // namespace vellum
