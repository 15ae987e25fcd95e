#include "vellum/rvf/rvf_document_item_context.h"

#include "vellum/document/custom_rv_data.h"
#include "vellum/rvf/rvf_reader.h"
#include "vellum/style/rv_style.h"

namespace vellum {

int32_t RvfDocumentItemContext::TextStyleByName(std::string_view name)
{
    return FNames.TextStyleByName(name);
}

bool RvfDocumentItemContext::HasOption(TRVFOption option) const
{
    return vellum::HasOption(FData.Settings().RVFOptions, option);
}

void RvfDocumentItemContext::Warn(int bit)
{
    FData.Settings().ReadWarnings |= static_cast<uint8_t>(1u << bit);
}

std::shared_ptr<const platform::Picture> RvfDocumentItemContext::InvalidPicture()
{
    if (FInvalidPicture)
        return FInvalidPicture;
    TRVStyle* style = FData.GetRVStyle();
    if (style)
        FInvalidPicture = std::make_shared<platform::Picture>(style->InvalidPicture());
    else
        FInvalidPicture = MakeBuiltInInvalidPicture();
    return FInvalidPicture;
}

bool RvfDocumentItemContext::ReadNestedDocument(TCustomRVData& doc, std::string_view body)
{
    // The note's own records only: its styles go through the maps of the outer pass, and it
    // has no background or layout to hand back.
    TRVMemoryStream stream{std::string(body)};
    RvfInsertParams params;
    params.Index = 0;
    params.ParaNo = -1;
    params.ReplaceStyles = false;
    return InsertRvf(doc, stream, params);
}

} // namespace vellum
