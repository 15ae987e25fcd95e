// Turns the records that the state machine reads into items of a document: style checks and
// maps, checkpoints, the paragraph rules of insertion, text conversion between single-byte and
// UTF-16, and the fixes that follow the last record.
#pragma once

#include "vellum/document/custom_rv_data.h"
#include "vellum/rvf/rvf_document_item_context.h"
#include "vellum/rvf/rvf_item_records.h"
#include "vellum/rvf/rvf_property_records.h"
#include "vellum/rvf/rvf_read_pass.h"
#include "vellum/rvf/rvf_reader.h"
#include "vellum/rvf/rvf_record_machine.h"

#include <memory>
#include <string_view>

namespace vellum {

class RvfDocumentSink final : public RvfRecordSink, public RvfItemStyleNames {
public:
    RvfDocumentSink(TCustomRVData& data, RvfInsertParams& params, RvfReadPass& pass);
    ~RvfDocumentSink() override;

    int32_t TextStyleByName(std::string_view name) override;
    int32_t ParaStyleByName(std::string_view name) override;
    int32_t ListStyleByName(std::string_view name) override;
    bool TagsAreStrings() const override;
    RvfRecordPlan BeginRecord(RvfHeader& header, RvfFieldCursor& rest) override;
    bool DataLine(RvfHeader& header, std::string_view line, RvfLineMode& mode) override;
    bool Insert(RvfHeader& header, const std::string_view* text) override;
    void EndTextRecord(RvfHeader& header) override;

    // After the last record: an empty text item after a trailing list marker, then paragraph
    // numbers made consistent. Throws like insertion does.
    void FinishItems();
    // Always last: a checkpoint still pending becomes the end checkpoint or is freed.
    void FinishCheckpoints(bool success);

private:
    TRVStyle* Style() const;
    TRVFOptions Options() const;
    bool HasOption(TRVFOption option) const;
    void Warn(int bit);

    // Header
    bool PrepareTemplate(RvfHeader& header, RvfFieldCursor& rest);
    bool CheckTextStyle(int32_t& styleNo, bool byName);
    bool CheckParaStyle(int32_t& paraNo, bool byName);
    void ApplyBackgroundHeader(const RvfHeader& header);
    RvfRecordPlan PlanLines(const RvfHeader& header) const;

    // Data lines
    bool CheckpointLine(const RvfHeader& header, std::string_view line);
    bool PropertyLine(const RvfHeader& header, std::string_view line, RvfLineMode& mode);

    // Insertion
    bool InsertText(RvfHeader& header, std::string_view line);
    bool IsInsertProtected(int32_t styleNo) const;
    bool InsertTemplate(RvfHeader& header);
    bool CheckDrawingStyle(TCustomRVItemInfo& item, const RvfHeader& header);
    void DiscardPendingCheckpoint();
    bool InsertItem(std::unique_ptr<TCustomRVItemInfo> item, TRVRawByteString text,
                    int32_t headerParaNo);
    void ApplyParagraph(TCustomRVItemInfo& item, int32_t headerParaNo);
    void ApplyFirstItemParagraph(TCustomRVItemInfo& item);
    void AttachPendingCheckpoint(TCustomRVItemInfo& item);
    void ConvertText(TCustomRVItemInfo& item, TRVRawByteString& text);
    void CheckMarkerList(TCustomRVItemInfo& item, bool byName);
    void AfterInserted(int32_t itemNo);

    TCustomRVData& FData;
    RvfInsertParams& FParams;
    RvfReadPass& FPass;
    int32_t FPos = 0;
    int32_t FStartIndex = 0;
    bool FFirstItem = true;
    bool FTopLevel = false;
    std::unique_ptr<TCustomRVItemInfo> FTemplate;
    RvfDocumentItemContext FItemContext{FData, *this};
    TRVRawByteString FItemText;
    // A checkpoint read for the next item. When it is the document's own end checkpoint, the
    // document keeps owning it until an item takes it.
    std::unique_ptr<TRVCPInfo> FPendingCheckpoint;
    bool FEndCheckpointPending = false;
    RvfPropertyRecords FProperties;
};

} // namespace vellum
