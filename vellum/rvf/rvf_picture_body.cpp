#include "vellum/rvf/rvf_picture_body.h"

#include "vellum/rvf/rvf_hex.h"

#include <array>
#include <utility>

namespace vellum {
namespace {

using platform::PictureFormat;

constexpr std::array<std::pair<std::string_view, PictureFormat>, 4> kPictureClasses = {{
    {"TBitmap", PictureFormat::Bitmap},
    {"TIcon", PictureFormat::Icon},
    {"TMetafile", PictureFormat::Metafile},
    {"TJPEGImage", PictureFormat::Jpeg},
}};

// An empty picture of the named class stands in until the body is read, so that the extra lines
// between the class line and the body know what kind of picture they describe (bitmap
// transparency applies to bitmaps only).
std::shared_ptr<const platform::Picture> EmptyPicture(PictureFormat format)
{
    return std::make_shared<platform::Picture>(format, 0, 0, std::vector<uint32_t>{}, std::string());
}

} // namespace

std::optional<PictureFormat> PictureFormatOfClass(std::string_view className)
{
    for (const auto& [name, format] : kPictureClasses)
        if (name == className)
            return format;
    return std::nullopt;
}

std::string_view PictureClassName(PictureFormat format)
{
    // Enhanced and placeable metafiles share one class.
    if (format == PictureFormat::EnhancedMetafile)
        format = PictureFormat::Metafile;
    for (const auto& [name, known] : kPictureClasses)
        if (known == format)
            return name;
    return {};
}

bool ReadPictureClassLine(TRVGraphicItemInfo& item, std::string_view className,
                          RvfItemContext& context)
{
    context.Record.PictureClass = PictureFormatOfClass(className);
    if (context.Record.PictureClass) {
        item.Picture = EmptyPicture(*context.Record.PictureClass);
        return true;
    }
    item.Picture.reset();
    context.Warn(kRvfWarnUnknownPictureClass);
    return context.HasOption(rvfoIgnoreUnknownPicFmt);
}

bool ReadPictureBody(TRVGraphicItemInfo& item, std::string_view body, bool binary,
                     RvfItemContext& context)
{
    // An unknown class that was let through leaves the item without a picture.
    if (!context.Record.PictureClass)
        return true;
    RvfHexResult decoded;
    if (binary)
        decoded.bytes.assign(body);
    else
        decoded = DecodeRvfHex(body);
    std::unique_ptr<platform::Picture> picture =
        platform::DecodePicture(*context.Record.PictureClass, decoded.bytes);
    if (!picture) {
        item.Picture = context.InvalidPicture();
        context.Warn(kRvfWarnBadPicture);
        return true;
    }
    if (!decoded.complete)
        return false;
    item.Picture = std::move(picture);
    return true;
}

} // namespace vellum
