// The item-line context of a pass that reads into a document: options and warnings live in the
// control's settings, the stand-in picture comes from the style sheet, and note texts are read
// by a nested pass that shares the outer pass's style maps.
#pragma once

#include "vellum/rvf/rvf_item_context.h"
#include "vellum/rvf/rvf_item_records.h"

namespace vellum {

class TCustomRVData;

class RvfDocumentItemContext final : public RvfItemContext {
public:
    RvfDocumentItemContext(TCustomRVData& data, RvfItemStyleNames& names)
        : FData(data), FNames(names)
    {
    }

    int32_t TextStyleByName(std::string_view name) override;
    bool HasOption(TRVFOption option) const override;
    void Warn(int bit) override;
    std::shared_ptr<const platform::Picture> InvalidPicture() override;
    bool ReadNestedDocument(TCustomRVData& doc, std::string_view body) override;

private:
    TCustomRVData& FData;
    RvfItemStyleNames& FNames;
    // One copy of the stand-in serves every bad picture of the pass.
    std::shared_ptr<const platform::Picture> FInvalidPicture;
};

} // namespace vellum
