// Chooses the decoder for a stored picture, by the stated format or by the bytes' signature.
#include "platform/picture.h"

#include "platform/byte_cursor.h"
#include "platform/qt/picture_codecs.h"

namespace platform {

namespace codecs {

bool IsAcceptableSize(int64_t width, int64_t height, std::string& error)
{
    if (width <= 0 || height <= 0) {
        error = "picture has an invalid size";
        return false;
    }
    // Once each side is within the limit the product fits in 64 bits.
    if (width > kMaxPicturePixels || height > kMaxPicturePixels ||
        width * height > kMaxPicturePixels) {
        error = "picture is too large";
        return false;
    }
    return true;
}

PictureDecodeResult Failure(std::string error)
{
    return PictureDecodeResult{nullptr, std::move(error)};
}

} // namespace codecs

namespace {

bool IsBareDibHeaderSize(uint32_t size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsEmf(std::string_view bytes)
{
    ByteCursor cursor(bytes);
    const uint32_t type = cursor.ReadU32LE();
    cursor.Seek(40);
    return type == 1 && cursor.ReadU32LE() == 0x464D4520 && cursor.Ok();
}

bool IsPlainWmf(std::string_view bytes)
{
    ByteCursor cursor(bytes);
    const uint16_t type = cursor.ReadU16LE(), headerWords = cursor.ReadU16LE(), version = cursor.ReadU16LE();
    return cursor.Ok() && (type == 1 || type == 2) && headerWords == 9 &&
           (version == 0x0100 || version == 0x0300);
}

} // namespace

std::optional<PictureFormat> GuessPictureFormat(std::string_view bytes)
{
    ByteCursor cursor(bytes);
    const uint32_t first = cursor.ReadU32LE();
    if (!cursor.Ok())
        return std::nullopt;
    if (bytes.substr(0, 2) == "BM")
        return PictureFormat::Bitmap;
    if (bytes.substr(0, 3) == "\xFF\xD8\xFF")
        return PictureFormat::Jpeg;
    if (first == 0x9AC6CDD7 || IsPlainWmf(bytes))
        return PictureFormat::Metafile;
    if (IsEmf(bytes))
        return PictureFormat::EnhancedMetafile;
    if (first == 0x00010000 || first == 0x00020000)
        return PictureFormat::Icon;
    if (IsBareDibHeaderSize(first))
        return PictureFormat::Bitmap;
    return std::nullopt;
}

PictureDecodeResult TryDecodePicture(PictureFormat format, std::string_view bytes)
{
    switch (format) {
    case PictureFormat::Bitmap:
        return codecs::DecodeBmp(bytes);
    case PictureFormat::Icon:
        return codecs::DecodeIco(bytes);
    case PictureFormat::Jpeg:
        return codecs::DecodeJpeg(bytes);
    case PictureFormat::Metafile:
    case PictureFormat::EnhancedMetafile:
        return codecs::DecodeMetafile(bytes);
    }
    return codecs::Failure("unknown picture format");
}

std::unique_ptr<Picture> DecodePicture(PictureFormat format, std::string_view bytes)
{
    return TryDecodePicture(format, bytes).picture;
}

std::unique_ptr<Picture> DecodePictureGuessingFormat(std::string_view bytes)
{
    const auto format = GuessPictureFormat(bytes);
    return format ? DecodePicture(*format, bytes) : nullptr;
}

} // namespace platform
