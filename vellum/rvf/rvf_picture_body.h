// Picture records: the class line that says how the body is stored, and the body itself.
#pragma once

#include "vellum/document/graphic_item_info.h"
#include "vellum/rvf/rvf_item_context.h"

#include <optional>
#include <string_view>

namespace vellum {

// The picture format a stored class name stands for: "TBitmap", "TIcon", "TMetafile" and
// "TJPEGImage" are known; any other name gives none.
std::optional<platform::PictureFormat> PictureFormatOfClass(std::string_view className);
// The class name a picture of FORMAT is stored under.
std::string_view PictureClassName(platform::PictureFormat format);

// The class line of a picture record. An unknown class is a warning; without
// rvfoIgnoreUnknownPicFmt it fails the record, with it the item goes on without a picture.
bool ReadPictureClassLine(TRVGraphicItemInfo& item, std::string_view className,
                          RvfItemContext& context);

// The body line: hex text, or the bytes of a binary block when BINARY. A body that cannot be
// decoded gives the invalid picture and a warning; a hex body that stops early but whose bytes
// still decode fails the record, as its picture cannot be the one that was stored.
bool ReadPictureBody(TRVGraphicItemInfo& item, std::string_view body, bool binary,
                     RvfItemContext& context);

} // namespace vellum
