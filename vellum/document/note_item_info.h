// Footnotes and endnotes: sequence fields that own a document with the note's text, and the
// reference inside that text which shows the note's number.
#pragma once

#include <memory>

#include "vellum/document/custom_rv_data.h"
#include "vellum/document/seq_item_info.h"

namespace vellum {

inline constexpr const char* kFootnoteSeqName = "@footnote@";
inline constexpr const char* kEndnoteSeqName = "@endnote@";

class TCustomRVNoteItemInfo : public TRVSeqItemInfo {
public:
    explicit TCustomRVNoteItemInfo(TCustomRVData* RVData);
    ~TCustomRVNoteItemInfo() override;

    // The note's text; its owner is the document the note stands in.
    std::unique_ptr<NoteData> NoteDocument;

    // The references inside the note's text show the new number too.
    void UpdateCaption() override;
    void BeforeLoading(TCustomRVData& RVData) override;
    void AfterInsertion(TCustomRVData& RVData, int32_t ItemNo) override;
    int32_t NestedDocumentCount() const override { return NoteDocument ? 1 : 0; }
    TCustomRVData* NestedDocument(int32_t Index) const override;
    std::unique_ptr<TCustomRVData> ReleaseNestedDocument(int32_t Index) override;

protected:
    void AdoptNoteDocument(TCustomRVData* RVData);
};

class TRVFootnoteItemInfo : public TCustomRVNoteItemInfo {
public:
    // As the reader creates it: decimal numbering.
    explicit TRVFootnoteItemInfo(TCustomRVData* RVData);
    TRVFootnoteItemInfo(TCustomRVData* RVData, int32_t TextStyleNo, int32_t StartFrom, bool Reset);
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
};

class TRVEndnoteItemInfo : public TCustomRVNoteItemInfo {
public:
    // As the reader creates it: decimal numbering.
    explicit TRVEndnoteItemInfo(TCustomRVData* RVData);
    // Made in code: lower-case Roman numerals.
    TRVEndnoteItemInfo(TCustomRVData* RVData, int32_t TextStyleNo, int32_t StartFrom, bool Reset);
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
};

// The number of the note that owns the document this reference stands in.
class TRVNoteReferenceItemInfo : public TRVLabelItemInfo {
public:
    explicit TRVNoteReferenceItemInfo(TCustomRVData* RVData);
    // The note owning the reference's document, or none.
    TCustomRVNoteItemInfo* OwnerNote() const;
    // Takes the caption from the owning note (empty without one).
    void UpdateCaptionFromNote();
    void AfterInsertion(TCustomRVData& RVData, int32_t ItemNo) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
};

} // namespace vellum
