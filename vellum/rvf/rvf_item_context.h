// What the fixed data lines of item records (captions, picture and control bodies, note texts)
// need from the reading pass around them: style names, options, warnings, the style sheet's
// stand-in picture and nested reads. Kept abstract so that the lines can be read and tested
// without a whole reader.
#pragma once

#include "platform/picture.h"
#include "vellum/document/document_types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace vellum {

class TCustomRVData;

// ReadWarnings bits that item records set.
constexpr int kRvfWarnUnknownPictureClass = 0;
constexpr int kRvfWarnNoControl = 1;
constexpr int kRvfWarnBadPicture = 6;

// What earlier lines of the record being read left for later ones.
struct RvfItemRecordState {
    // The picture class named on a picture record's class line; none when the name is unknown.
    std::optional<platform::PictureFormat> PictureClass;
};

class RvfItemContext {
public:
    virtual ~RvfItemContext() = default;

    // The first text style of that name, 0 when none has it.
    virtual int32_t TextStyleByName(std::string_view name) = 0;
    virtual bool HasOption(TRVFOption option) const = 0;
    virtual void Warn(int bit) = 0;
    // The picture shown where a stored picture cannot be loaded.
    virtual std::shared_ptr<const platform::Picture> InvalidPicture() = 0;
    // Reads BODY, a whole RVF document, into DOC within the current pass, so that it goes
    // through the same style maps. False when the body is not a complete document.
    virtual bool ReadNestedDocument(TCustomRVData& doc, std::string_view body) = 0;

    RvfItemRecordState Record;
};

} // namespace vellum
