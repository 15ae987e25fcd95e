#include "vellum/document/note_item_info.h"

namespace vellum {

TCustomRVNoteItemInfo::TCustomRVNoteItemInfo(TCustomRVData* RVData)
    : TRVSeqItemInfo(RVData), NoteDocument(std::make_unique<NoteData>())
{
    AdoptNoteDocument(RVData);
}

TCustomRVNoteItemInfo::~TCustomRVNoteItemInfo()
{
    // The document the note stood in may be gone already; the text's own destruction must not
    // reach for it.
    if (NoteDocument)
        NoteDocument->SetOwner(nullptr, nullptr);
}

void TCustomRVNoteItemInfo::AdoptNoteDocument(TCustomRVData* RVData)
{
    if (NoteDocument)
        NoteDocument->SetOwner(RVData, RVData ? this : nullptr);
}

void TCustomRVNoteItemInfo::UpdateCaption()
{
    TRVSeqItemInfo::UpdateCaption();
    if (!NoteDocument)
        return;
    for (int32_t i = 0; i < NoteDocument->CountItems(); ++i) {
        if (auto* reference = dynamic_cast<TRVNoteReferenceItemInfo*>(NoteDocument->ItemAt(i)))
            reference->UpdateCaptionFromNote();
    }
}

void TCustomRVNoteItemInfo::BeforeLoading(TCustomRVData& RVData)
{
    TRVSeqItemInfo::BeforeLoading(RVData);
    AdoptNoteDocument(&RVData);
}

void TCustomRVNoteItemInfo::AfterInsertion(TCustomRVData& RVData, int32_t ItemNo)
{
    AdoptNoteDocument(&RVData);
    TRVSeqItemInfo::AfterInsertion(RVData, ItemNo);
}

TCustomRVData* TCustomRVNoteItemInfo::NestedDocument(int32_t Index) const
{
    return Index == 0 ? NoteDocument.get() : nullptr;
}

std::unique_ptr<TCustomRVData> TCustomRVNoteItemInfo::ReleaseNestedDocument(int32_t Index)
{
    if (Index != 0)
        return nullptr;
    return std::unique_ptr<TCustomRVData>(NoteDocument.release());
}

TRVFootnoteItemInfo::TRVFootnoteItemInfo(TCustomRVData* RVData) : TCustomRVNoteItemInfo(RVData)
{
    StyleNo = rvsFootnote;
    CounterName = kFootnoteSeqName;
}

TRVFootnoteItemInfo::TRVFootnoteItemInfo(TCustomRVData* RVData, int32_t TextStyleNo,
                                         int32_t StartFrom, bool Reset)
    : TRVFootnoteItemInfo(RVData)
{
    SetNumbering(TextStyleNo, StartFrom, Reset);
}

std::unique_ptr<TCustomRVItemInfo> TRVFootnoteItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVFootnoteItemInfo>(RVData);
}

TRVEndnoteItemInfo::TRVEndnoteItemInfo(TCustomRVData* RVData) : TCustomRVNoteItemInfo(RVData)
{
    StyleNo = rvsEndnote;
    CounterName = kEndnoteSeqName;
}

TRVEndnoteItemInfo::TRVEndnoteItemInfo(TCustomRVData* RVData, int32_t TextStyleNo,
                                       int32_t StartFrom, bool Reset)
    : TRVEndnoteItemInfo(RVData)
{
    SetNumbering(TextStyleNo, StartFrom, Reset);
    NumberFormat = rvseqLowerRoman;
}

std::unique_ptr<TCustomRVItemInfo> TRVEndnoteItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVEndnoteItemInfo>(RVData);
}

TRVNoteReferenceItemInfo::TRVNoteReferenceItemInfo(TCustomRVData* RVData) : TRVLabelItemInfo(RVData)
{
    StyleNo = rvsNoteReference;
}

TCustomRVNoteItemInfo* TRVNoteReferenceItemInfo::OwnerNote() const
{
    TCustomRVData* document = GetDocument();
    return document ? dynamic_cast<TCustomRVNoteItemInfo*>(document->OwnerItem()) : nullptr;
}

void TRVNoteReferenceItemInfo::UpdateCaptionFromNote()
{
    TCustomRVNoteItemInfo* note = OwnerNote();
    SetCaption(note ? note->BuildCaption() : std::string());
}

void TRVNoteReferenceItemInfo::AfterInsertion(TCustomRVData& RVData, int32_t ItemNo)
{
    TRVLabelItemInfo::AfterInsertion(RVData, ItemNo);
    UpdateCaptionFromNote();
}

std::unique_ptr<TCustomRVItemInfo> TRVNoteReferenceItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVNoteReferenceItemInfo>(RVData);
}

} // namespace vellum
