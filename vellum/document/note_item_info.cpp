#include "vellum/document/note_item_info.h"

namespace vellum {

TCustomRVNoteItemInfo::TCustomRVNoteItemInfo(TCustomRVData* rvData)
    : TRVSeqItemInfo(rvData), NoteDocument(std::make_unique<NoteData>())
{
    AdoptNoteDocument(rvData);
}

TCustomRVNoteItemInfo::~TCustomRVNoteItemInfo()
{
    // The document the note stood in may be gone already; the text's own destruction must not
    // reach for it.
    if (NoteDocument)
        NoteDocument->SetOwner(nullptr, nullptr);
}

void TCustomRVNoteItemInfo::AdoptNoteDocument(TCustomRVData* rvData)
{
    if (NoteDocument)
        NoteDocument->SetOwner(rvData, rvData ? this : nullptr);
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

void TCustomRVNoteItemInfo::BeforeLoading(TCustomRVData& rvData)
{
    TRVSeqItemInfo::BeforeLoading(rvData);
    AdoptNoteDocument(&rvData);
}

void TCustomRVNoteItemInfo::AfterInsertion(TCustomRVData& rvData, int32_t itemNo)
{
    AdoptNoteDocument(&rvData);
    TRVSeqItemInfo::AfterInsertion(rvData, itemNo);
}

TCustomRVData* TCustomRVNoteItemInfo::NestedDocument(int32_t index) const
{
    return index == 0 ? NoteDocument.get() : nullptr;
}

std::unique_ptr<TCustomRVData> TCustomRVNoteItemInfo::ReleaseNestedDocument(int32_t index)
{
    if (index != 0)
        return nullptr;
    return std::unique_ptr<TCustomRVData>(NoteDocument.release());
}

TRVFootnoteItemInfo::TRVFootnoteItemInfo(TCustomRVData* rvData) : TCustomRVNoteItemInfo(rvData)
{
    StyleNo = rvsFootnote;
    CounterName = kFootnoteSeqName;
}

TRVFootnoteItemInfo::TRVFootnoteItemInfo(TCustomRVData* rvData, int32_t textStyleNo,
                                         int32_t startFrom, bool reset)
    : TRVFootnoteItemInfo(rvData)
{
    SetNumbering(textStyleNo, startFrom, reset);
}

std::unique_ptr<TCustomRVItemInfo> TRVFootnoteItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVFootnoteItemInfo>(rvData);
}

TRVEndnoteItemInfo::TRVEndnoteItemInfo(TCustomRVData* rvData) : TCustomRVNoteItemInfo(rvData)
{
    StyleNo = rvsEndnote;
    CounterName = kEndnoteSeqName;
}

TRVEndnoteItemInfo::TRVEndnoteItemInfo(TCustomRVData* rvData, int32_t textStyleNo,
                                       int32_t startFrom, bool reset)
    : TRVEndnoteItemInfo(rvData)
{
    SetNumbering(textStyleNo, startFrom, reset);
    NumberFormat = rvseqLowerRoman;
}

std::unique_ptr<TCustomRVItemInfo> TRVEndnoteItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVEndnoteItemInfo>(rvData);
}

TRVNoteReferenceItemInfo::TRVNoteReferenceItemInfo(TCustomRVData* rvData) : TRVLabelItemInfo(rvData)
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

void TRVNoteReferenceItemInfo::AfterInsertion(TCustomRVData& rvData, int32_t itemNo)
{
    TRVLabelItemInfo::AfterInsertion(rvData, itemNo);
    UpdateCaptionFromNote();
}

std::unique_ptr<TCustomRVItemInfo> TRVNoteReferenceItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVNoteReferenceItemInfo>(rvData);
}

} // namespace vellum
