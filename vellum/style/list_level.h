// One level of a list style: the kind of marker, its formatting and placement, and how its
// numbering restarts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vellum/style/font.h"
#include "vellum/style/persistent.h"
#include "vellum/style/rv_set.h"

namespace platform {
class Picture;
}

namespace vellum {

class RvImageList;
class TRVListInfo;

enum TRVListType : uint8_t {
    rvlstBullet,
    rvlstPicture,
    rvlstImageList,
    rvlstDecimal,
    rvlstLowerAlpha,
    rvlstUpperAlpha,
    rvlstLowerRoman,
    rvlstUpperRoman,
    rvlstImageListCounter,
    rvlstUnicodeBullet
};

enum TRVMarkerAlignment : uint8_t { rvmaLeft, rvmaRight, rvmaCenter };

enum TRVListLevelOption : uint8_t { rvloContinuous, rvloLevelReset, rvloLegalStyleNumbering };
using TRVListLevelOptions = RvSet<TRVListLevelOption>;

// Levels whose marker is text drawn in the level's font.
bool IsTextListType(TRVListType type);
// Levels with a counter and a StartFrom.
bool IsNumberedListType(TRVListType type);
// Numbered levels whose counter is written as text.
bool IsTextNumberedListType(TRVListType type);

class TRVListLevelCollection;

class TRVListLevel : public Persistent {
public:
    TRVListLevel();
    ~TRVListLevel() override;
    TRVListLevel(const TRVListLevel&) = delete;
    TRVListLevel& operator=(const TRVListLevel&) = delete;

    TRVListType ListType = rvlstBullet;
    int32_t StartFrom = 1;
    RvImageList* ImageList = nullptr;
    int32_t ImageIndex = 0;
    // Marker text template; its arguments 0 to 8 are the counters of levels 0 to 8.
    std::string FormatString = "\xB7";
    std::u16string FormatStringW;
    int32_t LeftIndent = 0;
    int32_t FirstIndent = 10;
    int32_t MarkerIndent = 0;
    TRVMarkerAlignment MarkerAlignment = rvmaLeft;
    TRVListLevelOptions Options{rvloContinuous, rvloLevelReset};

    TRVListLevelCollection* Collection() const { return FCollection; }
    TRVListInfo* ListInfo() const;

    // The picture of picture levels; null when the level has none. A bitmap is made
    // transparent where it has the colour of its bottom-left pixel.
    const platform::Picture* Picture() const { return FPicture.get(); }
    void SetPicture(const platform::Picture* picture);
    void SetPicture(std::unique_ptr<platform::Picture> picture);
    // The marker font, created with its defaults on first use.
    TRVMarkerFont& Font();
    const TRVMarkerFont* FontIfCreated() const { return FFont.get(); }
    bool HasFont() const { return FFont != nullptr; }

    bool HasNumbering() const { return IsNumberedListType(ListType); }

    // Copies every field; the picture and the font by value.
    void Assign(const TRVListLevel& source);
    bool IsEqual(const TRVListLevel& other) const;
    int32_t SimilarityValue(const TRVListLevel& other) const;
    bool FontsMatch(const TRVListLevel& other) const;
    bool PicturesMatch(const TRVListLevel& other) const;

    std::span<const PropertyInfo> Properties() const override;
    void WriteDefinedProperties(DefinedPropertyWriter& writer) const override;
    DefinedRead ReadDefinedProperty(std::string_view name, const DefinedValue& value) override;

private:
    friend class TRVListLevelCollection;
    DefinedRead ReadImageListTag(const DefinedValue& value);
    TRVListLevelCollection* FCollection = nullptr;
    std::unique_ptr<platform::Picture> FPicture;
    std::unique_ptr<TRVMarkerFont> FFont;
};

class TRVListLevelCollection : public RvCollection {
public:
    explicit TRVListLevelCollection(TRVListInfo* owner = nullptr) : FOwner(owner) {}
    TRVListLevelCollection(const TRVListLevelCollection&) = delete;
    TRVListLevelCollection& operator=(const TRVListLevelCollection&) = delete;

    TRVListInfo* Owner() const { return FOwner; }
    int Count() const override { return static_cast<int>(FItems.size()); }
    const TRVListLevel& operator[](int index) const { return *FItems.at(static_cast<size_t>(index)); }
    TRVListLevel& operator[](int index) { return *FItems.at(static_cast<size_t>(index)); }
    const TRVListLevel& Items(int index) const { return (*this)[index]; }
    TRVListLevel& Items(int index) { return (*this)[index]; }
    TRVListLevel& Add();
    void Delete(int index);
    void Clear() override { FItems.clear(); }
    void Assign(const TRVListLevelCollection& source);

    const Persistent& PersistentAt(int index) const override { return (*this)[index]; }
    Persistent& AddPersistent() override { return Add(); }

private:
    TRVListInfo* FOwner;
    std::vector<std::unique_ptr<TRVListLevel>> FItems;
};

} // namespace vellum
