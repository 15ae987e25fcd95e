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
    explicit TCustomRVNoteItemInfo(TCustomRVData* rvData);
    ~TCustomRVNoteItemInfo() override;

    // The note's text; its owner is the document the note stands in.
    std::unique_ptr<NoteData> NoteDocument;

    // The references inside the note's text show the new number too.
    void UpdateCaption() override;
    void BeforeLoading(TCustomRVData& rvData) override;
    void AfterInsertion(TCustomRVData& rvData, int32_t itemNo) override;
    int32_t NestedDocumentCount() const override { return NoteDocument ? 1 : 0; }
    TCustomRVData* NestedDocument(int32_t index) const override;
    std::unique_ptr<TCustomRVData> ReleaseNestedDocument(int32_t index) override;

protected:
    void AdoptNoteDocument(TCustomRVData* rvData);
};

class TRVFootnoteItemInfo : public TCustomRVNoteItemInfo {
public:
    // As the reader creates it: decimal numbering.
    explicit TRVFootnoteItemInfo(TCustomRVData* rvData);
    TRVFootnoteItemInfo(TCustomRVData* rvData, int32_t textStyleNo, int32_t startFrom, bool reset);
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

class TRVEndnoteItemInfo : public TCustomRVNoteItemInfo {
public:
    // As the reader creates it: decimal numbering.
    explicit TRVEndnoteItemInfo(TCustomRVData* rvData);
    // Made in code: lower-case Roman numerals.
    TRVEndnoteItemInfo(TCustomRVData* rvData, int32_t textStyleNo, int32_t startFrom, bool reset);
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

// The number of the note that owns the document this reference stands in.
class TRVNoteReferenceItemInfo : public TRVLabelItemInfo {
public:
    explicit TRVNoteReferenceItemInfo(TCustomRVData* rvData);
    // The note owning the reference's document, or none.
    TCustomRVNoteItemInfo* OwnerNote() const;
    // Takes the caption from the owning note (empty without one).
    void UpdateCaptionFromNote();
    void AfterInsertion(TCustomRVData& rvData, int32_t itemNo) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

} // namespace vellum
