// Style templates: named sets of text and paragraph properties with single inheritance, which
// text and paragraph styles can follow.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vellum/style/font_info.h"
#include "vellum/style/list_info.h"
#include "vellum/style/para_info.h"

namespace vellum {

class TRVStyle;
class TRVStyleTemplate;
class TRVStyleTemplateCollection;

using TRVStyleTemplateId = int32_t;

namespace messages {
inline constexpr const char* kCircularReferences = "Circular references are not allowed";
}

// The style records a template holds. They accept the record fields that tie a style to a
// table (StyleTemplateId, StyleName, Standard, BaseStyleNo) when read, ignore them, and never
// write them.
class TRVSTFontInfo : public TCustomRVFontInfo {
public:
    explicit TRVSTFontInfo(TRVStyleTemplate* owner = nullptr) : FOwner(owner) {}
    TRVStyleTemplate* Owner() const { return FOwner; }
    std::span<const PropertyInfo> Properties() const override;

private:
    TRVStyleTemplate* FOwner;
};

class TRVSTParaInfo : public TCustomRVParaInfo {
public:
    explicit TRVSTParaInfo(TRVStyleTemplate* owner = nullptr) : FOwner(owner) {}
    TRVStyleTemplate* Owner() const { return FOwner; }
    std::span<const PropertyInfo> Properties() const override;

private:
    TRVStyleTemplate* FOwner;
};

class TRVSTListInfo : public TRVListInfo {
public:
    explicit TRVSTListInfo(TRVStyleTemplate* owner = nullptr) : FOwner(owner) {}
    TRVStyleTemplate* Owner() const { return FOwner; }
    std::span<const PropertyInfo> Properties() const override;

private:
    TRVStyleTemplate* FOwner;
};

class TRVStyleTemplate : public Persistent {
public:
    explicit TRVStyleTemplate(TRVStyleTemplateCollection* collection = nullptr);
    ~TRVStyleTemplate() override;
    TRVStyleTemplate(const TRVStyleTemplate&) = delete;
    TRVStyleTemplate& operator=(const TRVStyleTemplate&) = delete;

    TRVSTFontInfo TextStyle{this};
    TRVSTParaInfo ParaStyle{this};
    TRVSTListInfo ListStyle{this};
    TRVFontInfoProperties ValidTextProperties;
    TRVParaInfoProperties1 ValidParaProperties1;
    TRVParaInfoProperties2 ValidParaProperties2;

    const std::u16string& Name() const { return FName; }
    // "Normal" makes this the collection's normal template; renaming it away clears that.
    void SetName(const std::u16string& name);
    // Unique in the collection; drawn on first use from 1 .. 2^31 - 2.
    TRVStyleTemplateId Id() const;
    void SetIdFromStream(TRVStyleTemplateId id) { FId = id; }
    TRVStyleTemplateId ParentId() const { return FParentId; }
    // Links the template under the template with that Id; a link that leads back to this
    // template raises EVellumError "Circular references are not allowed" and leaves no parent.
    void SetParentId(TRVStyleTemplateId id);
    TRVStyleTemplate* Parent() const { return FParent; }
    const std::vector<TRVStyleTemplate*>& Children() const { return FChildren; }
    TRVStyleTemplateCollection* Collection() const { return FCollection; }
    int Index() const;

    void Assign(const TRVStyleTemplate& source);
    // Copies the properties this template's chain defines into S (see the collection's rules).
    void ApplyToTextStyle(TCustomRVFontInfo& style, const TCustomRVParaInfo* para, bool reset) const;
    void ApplyToParaStyle(TCustomRVParaInfo& style, bool reset) const;
    // Every paragraph property this template defines.
    ParaInfoProperties ValidParaProperties() const { return ValidParaProperties1 | ValidParaProperties2; }

    std::span<const PropertyInfo> Properties() const override;
    void WriteDefinedProperties(DefinedPropertyWriter& writer) const override;
    DefinedRead ReadDefinedProperty(std::string_view name, const DefinedValue& value) override;

private:
    friend class TRVStyleTemplateCollection;
    bool LinksAllowed() const;
    void LinkParent(bool checkCycle);
    void Unlink();
    bool ChainContains(const TRVStyleTemplate* start, const TRVStyleTemplate* target) const;
    TRVFontInfoProperties TakeText(TCustomRVFontInfo& style, TRVFontInfoProperties mask) const;
    ParaInfoProperties TakePara(TCustomRVParaInfo& style, ParaInfoProperties mask) const;

    TRVStyleTemplateCollection* FCollection;
    std::u16string FName;
    mutable TRVStyleTemplateId FId = 0;
    TRVStyleTemplateId FParentId = -1;
    TRVStyleTemplate* FParent = nullptr;
    std::vector<TRVStyleTemplate*> FChildren;
};

class TRVStyleTemplateCollection : public RvCollection {
public:
    explicit TRVStyleTemplateCollection(TRVStyle* owner = nullptr) : FOwner(owner) {}
    ~TRVStyleTemplateCollection() override;
    TRVStyleTemplateCollection(const TRVStyleTemplateCollection&) = delete;
    TRVStyleTemplateCollection& operator=(const TRVStyleTemplateCollection&) = delete;

    std::u16string DefStyleName = u"Style %d";

    TRVStyle* Owner() const { return FOwner; }
    int Count() const override { return static_cast<int>(FItems.size()); }
    TRVStyleTemplate& operator[](int index) { return *FItems.at(static_cast<size_t>(index)); }
    const TRVStyleTemplate& operator[](int index) const { return *FItems.at(static_cast<size_t>(index)); }
    TRVStyleTemplate& Items(int index) { return (*this)[index]; }
    const TRVStyleTemplate& Items(int index) const { return (*this)[index]; }
    // A new template, named at once unless the style sheet is being loaded.
    TRVStyleTemplate& Add();
    void Delete(int index);
    void Clear() override;
    // Copies SOURCE's templates and rebuilds their tree under the copies' own identifiers.
    void Assign(const TRVStyleTemplateCollection& source);

    // Index of the template with that Id, or -1.
    int FindById(TRVStyleTemplateId id) const;
    TRVStyleTemplate* FindItemById(TRVStyleTemplateId id) const;
    TRVStyleTemplate* NormalStyleTemplate() const { return FNormal; }
    // Resets S to the normal template (or to style 0 of the style sheet without one).
    void ResetTextStyle(TCustomRVFontInfo& style, const TCustomRVParaInfo* para) const;
    void ResetParaStyle(TCustomRVParaInfo& style) const;
    // Resolves every template's parent from its ParentId (after loading; no cycle test).
    void ResolveParents();

    const Persistent& PersistentAt(int index) const override { return (*this)[index]; }
    Persistent& AddPersistent() override { return Add(); }

private:
    friend class TRVStyleTemplate;
    bool Loading() const;
    bool IdTakenByOther(TRVStyleTemplateId id, const TRVStyleTemplate* self) const;
    bool NameTakenByOther(const std::u16string& name, const TRVStyleTemplate* self) const;
    void NameNewTemplate(TRVStyleTemplate& item);

    TRVStyle* FOwner;
    std::vector<std::unique_ptr<TRVStyleTemplate>> FItems;
    int32_t FNameCounter = 0;
    TRVStyleTemplate* FNormal = nullptr;
};

// DEFSTYLENAME with its first "%d" replaced by N ("%%" is a percent sign); a format without
// "%d" gets the number appended, so that successive names always differ.
std::u16string FormatTemplateName(const std::u16string& format, int32_t n);

} // namespace vellum
