// Icon files: a directory of images, each a DIB (colours plus a 1-bit mask) or a PNG file. The
// largest image is shown. PNG images go through Qt's PNG reader; only our own code reads the
// directory and the DIBs.
#include "platform/qt/picture_codecs.h"

#include "platform/byte_cursor.h"
#include "platform/checked_math.h"

#include <QByteArray>
#include <QImage>

namespace platform::codecs {
namespace {

struct IconEntry {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitCount = 0;
    uint32_t size = 0;
    uint32_t offset = 0;
};

IconEntry ReadEntry(ByteCursor& cursor)
{
    IconEntry entry;
    entry.width = cursor.ReadByte();
    entry.height = cursor.ReadByte();
    cursor.Skip(4); // colour count, reserved, planes
    entry.bitCount = cursor.ReadU16LE();
    entry.size = cursor.ReadU32LE();
    entry.offset = cursor.ReadU32LE();
    // A stored 0 means 256 pixels, which a byte cannot hold.
    entry.width = entry.width ? entry.width : 256;
    entry.height = entry.height ? entry.height : 256;
    return entry;
}

bool ReadDirectory(std::string_view bytes, std::vector<IconEntry>& entries, std::string& error)
{
    constexpr size_t kEntrySize = 16;
    ByteCursor cursor(bytes);
    const uint16_t reserved = cursor.ReadU16LE(), type = cursor.ReadU16LE(), count = cursor.ReadU16LE();
    if (!cursor.Ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) {
        error = "icon has an invalid directory";
        return false;
    }
    if (!cursor.Has(size_t(count) * kEntrySize)) {
        error = "icon directory is truncated";
        return false;
    }
    for (uint16_t i = 0; i < count; ++i)
        entries.push_back(ReadEntry(cursor));
    return true;
}

// The largest image, the deepest colour among equals; the first one of a tie.
const IconEntry& BestEntry(const std::vector<IconEntry>& entries)
{
    const IconEntry* best = &entries.front();
    for (const IconEntry& entry : entries) {
        const uint64_t area = uint64_t(entry.width) * entry.height;
        const uint64_t bestArea = uint64_t(best->width) * best->height;
        if (area > bestArea || (area == bestArea && entry.bitCount > best->bitCount))
            best = &entry;
    }
    return *best;
}

// A file whose directory points past its end was cut short, even where the image shown is intact.
bool AllEntriesPresent(const std::vector<IconEntry>& entries, size_t fileSize)
{
    for (const IconEntry& entry : entries) {
        const auto end = CheckedAdd<uint64_t>(entry.offset, entry.size);
        if (!end || *end > fileSize)
            return false;
    }
    return true;
}

bool IsPng(std::string_view bytes)
{
    return bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8);
}

std::optional<PixelImage> DecodePng(std::string_view bytes, std::string& error)
{
    // The size is checked from the header before Qt allocates anything for it.
    ByteCursor cursor(bytes, 12);
    const std::string_view chunk = cursor.Take(4);
    const uint32_t width = cursor.ReadU32BE(), height = cursor.ReadU32BE();
    if (!cursor.Ok() || chunk != "IHDR") {
        error = "icon PNG image has no header";
        return std::nullopt;
    }
    if (!IsAcceptableSize(width, height, error))
        return std::nullopt;
    const QImage decoded = QImage::fromData(
        QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), "PNG");
    if (decoded.isNull() || uint32_t(decoded.width()) != width ||
        uint32_t(decoded.height()) != height) {
        error = "icon PNG image does not decode";
        return std::nullopt;
    }
    const QImage argb = decoded.convertToFormat(QImage::Format_ARGB32);
    PixelImage image{int(width), int(height), {}};
    image.pixels.reserve(size_t(width) * height);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
        image.pixels.insert(image.pixels.end(), row, row + width);
    }
    return image;
}

// The mask follows the colour bits: 1 bit a pixel, rows bottom-up and padded to 32 bits; a set
// bit makes the pixel transparent.
bool ApplyMask(std::string_view dib, DibImage& decoded, std::string& error)
{
    PixelImage& image = decoded.image;
    const size_t stride = (size_t(image.width) + 31) / 32 * 4;
    const auto total = CheckedMul<size_t>(stride, size_t(image.height));
    ByteCursor cursor(dib, decoded.pixelEnd);
    if (!total || !cursor.Has(*total)) {
        error = "icon mask is truncated";
        return false;
    }
    for (int y = 0; y < image.height; ++y) {
        const std::string_view row = cursor.Take(stride);
        uint32_t* out = image.pixels.data() + size_t(image.height - 1 - y) * size_t(image.width);
        for (int x = 0; x < image.width; ++x)
            if ((uint8_t(row[size_t(x) / 8]) >> (7 - x % 8)) & 1)
                out[x] &= 0x00FFFFFF;
    }
    return true;
}

std::optional<PixelImage> DecodeIconDib(std::string_view dib, std::string& error)
{
    DibOptions options;
    options.icon = true;
    auto decoded = DecodeDib(dib, options, error);
    if (!decoded)
        return std::nullopt;
    // Images with an alpha channel of their own still carry a mask, which adds nothing.
    if (!decoded->hasAlpha && !ApplyMask(dib, *decoded, error))
        return std::nullopt;
    return std::move(decoded->image);
}

} // namespace

PictureDecodeResult DecodeIco(std::string_view bytes)
{
    std::string error;
    std::vector<IconEntry> entries;
    if (!ReadDirectory(bytes, entries, error))
        return Failure(error);
    if (!AllEntriesPresent(entries, bytes.size()))
        return Failure("icon image is truncated");
    const IconEntry& entry = BestEntry(entries);
    const std::string_view data = bytes.substr(entry.offset, entry.size);
    auto image = IsPng(data) ? DecodePng(data, error) : DecodeIconDib(data, error);
    if (!image)
        return Failure(error);
    PictureDecodeResult result;
    result.picture = std::make_unique<Picture>(PictureFormat::Icon, image->width, image->height,
                                               std::move(image->pixels), std::string(bytes));
    return result;
}

} // namespace platform::codecs
