// Device-independent bitmaps: BMP files, bare DIBs and the colour half of icon images.
#include "platform/qt/picture_codecs.h"

#include "platform/byte_cursor.h"
#include "platform/checked_math.h"

#include <array>

namespace platform::codecs {
namespace {

enum Compression : uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6,
};

constexpr uint32_t kOpaqueBlack = 0xFF000000;

struct DibHeader {
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0; // as stored: negative for top-down rows, doubled for icons
    int32_t rows = 0;   // rows of the colour image
    bool topDown = false;
    uint16_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    bool core = false;
    std::array<uint32_t, 4> masks{}; // red, green, blue, alpha
};

struct ChannelMask {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
};

// Everything needed to turn stored pixel values into colours.
struct PixelFormat {
    std::vector<uint32_t> palette;
    std::array<ChannelMask, 4> channels; // red, green, blue, alpha
};

bool IsKnownHeaderSize(uint32_t size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsRle(const DibHeader& header)
{
    return header.compression == kRle8 || header.compression == kRle4;
}

bool HasBitFields(const DibHeader& header)
{
    return header.compression == kBitFields || header.compression == kAlphaBitFields;
}

void ReadCoreHeader(ByteCursor& cursor, DibHeader& header)
{
    header.core = true;
    header.width = cursor.ReadU16LE();
    header.height = cursor.ReadU16LE();
    cursor.ReadU16LE(); // planes
    header.bitCount = cursor.ReadU16LE();
}

void ReadInfoHeader(ByteCursor& cursor, DibHeader& header)
{
    header.width = cursor.ReadI32LE();
    header.height = cursor.ReadI32LE();
    cursor.ReadU16LE(); // planes: writers disagree on it and nothing depends on it
    header.bitCount = cursor.ReadU16LE();
    header.compression = cursor.ReadU32LE();
    cursor.Skip(12); // image size and resolution
    header.colorsUsed = cursor.ReadU32LE();
    cursor.ReadU32LE(); // important colours
    if (header.headerSize >= 52)
        for (int i = 0; i < 3; ++i)
            header.masks[i] = cursor.ReadU32LE();
    if (header.headerSize >= 56)
        header.masks[3] = cursor.ReadU32LE();
    cursor.Seek(header.headerSize);
}

bool IsSupportedDepth(const DibHeader& header)
{
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == kRgb || (header.compression == kRle8 && header.bitCount == 8) ||
               (header.compression == kRle4 && header.bitCount == 4);
    case 16:
    case 32:
        return !header.core && (header.compression == kRgb || HasBitFields(header));
    default:
        return false;
    }
}

bool CheckGeometry(DibHeader& header, bool icon, std::string& error)
{
    if (header.width <= 0 || header.height == 0 || header.height == INT32_MIN) {
        error = "bitmap has an invalid size";
        return false;
    }
    header.topDown = header.height < 0;
    header.rows = header.topDown ? -header.height : header.height;
    if (icon)
        header.rows /= 2;
    if ((header.topDown && (icon || IsRle(header))) || header.rows == 0) {
        error = "bitmap has an invalid size";
        return false;
    }
    return IsAcceptableSize(header.width, header.rows, error);
}

bool ReadHeader(ByteCursor& cursor, DibHeader& header, bool icon, std::string& error)
{
    header.headerSize = cursor.ReadU32LE();
    if (!cursor.Ok() || !IsKnownHeaderSize(header.headerSize)) {
        error = "bitmap has an unknown header";
        return false;
    }
    if (header.headerSize == 12)
        ReadCoreHeader(cursor, header);
    else
        ReadInfoHeader(cursor, header);
    if (!cursor.Ok()) {
        error = "bitmap header is truncated";
        return false;
    }
    if (!IsSupportedDepth(header) || (icon && IsRle(header))) {
        error = "bitmap has an unsupported bit depth or compression";
        return false;
    }
    return CheckGeometry(header, icon, error);
}

ChannelMask MakeChannel(uint32_t mask)
{
    ChannelMask channel;
    if (mask == 0)
        return channel;
    channel.mask = mask;
    channel.shift = __builtin_ctz(mask);
    channel.max = mask >> channel.shift;
    return channel;
}

uint32_t ChannelValue(uint32_t value, const ChannelMask& channel)
{
    if (channel.mask == 0)
        return 0;
    const uint64_t raw = (value & channel.mask) >> channel.shift;
    return uint32_t((raw * 255 + channel.max / 2) / channel.max);
}

// Masks for 16- and 32-bit pixels: the stored ones with bit fields, the fixed 5-5-5 and 8-8-8
// layouts otherwise. Only icons give plain 32-bit pixels an alpha channel.
std::array<uint32_t, 4> ChooseMasks(ByteCursor& cursor, const DibHeader& header, bool icon)
{
    std::array<uint32_t, 4> masks = header.masks;
    if (HasBitFields(header) && header.headerSize == 40) {
        const int count = header.compression == kAlphaBitFields ? 4 : 3;
        for (int i = 0; i < count; ++i)
            masks[i] = cursor.ReadU32LE();
    }
    if (HasBitFields(header) && (masks[0] | masks[1] | masks[2]) != 0)
        return masks;
    if (header.bitCount == 16)
        return {0x7C00, 0x03E0, 0x001F, 0};
    return {0xFF0000, 0xFF00, 0xFF, icon ? 0xFF000000u : 0};
}

uint32_t PaletteEntryCount(const DibHeader& header)
{
    if (header.bitCount > 8)
        return header.core ? 0 : header.colorsUsed;
    if (header.core || header.colorsUsed == 0)
        return 1u << header.bitCount;
    return header.colorsUsed;
}

// Reads the colour table; entries beyond what the bit depth can index are skipped, not kept.
// Where the pixels' offset is known (PACKED false) those extra entries need not be there at all.
bool ReadPalette(ByteCursor& cursor, const DibHeader& header, bool packed,
                 std::vector<uint32_t>& palette)
{
    const uint32_t stated = PaletteEntryCount(header);
    const uint32_t entrySize = header.core ? 3 : 4;
    const uint32_t kept = header.bitCount <= 8 ? std::min(stated, 1u << header.bitCount) : 0;
    const uint32_t count = packed ? stated : kept;
    for (uint32_t i = 0; i < kept && cursor.Ok(); ++i) {
        const uint32_t blue = cursor.ReadByte(), green = cursor.ReadByte(), red = cursor.ReadByte();
        if (!header.core)
            cursor.ReadByte();
        palette.push_back(kOpaqueBlack | red << 16 | green << 8 | blue);
    }
    const auto rest = CheckedMul<uint64_t>(count - kept, entrySize);
    if (!rest || *rest > cursor.Remaining())
        return false;
    cursor.Skip(size_t(*rest));
    return cursor.Ok();
}

uint32_t PaletteColour(const PixelFormat& format, uint32_t index)
{
    return index < format.palette.size() ? format.palette[index] : kOpaqueBlack;
}

uint32_t MaskedColour(const PixelFormat& format, uint32_t value)
{
    const auto& c = format.channels;
    const uint32_t alpha = c[3].mask ? ChannelValue(value, c[3]) : 255;
    return alpha << 24 | ChannelValue(value, c[0]) << 16 | ChannelValue(value, c[1]) << 8 |
           ChannelValue(value, c[2]);
}

uint32_t Byte(std::string_view row, size_t index)
{
    return uint8_t(row[index]);
}

uint32_t IndexAt(std::string_view row, int x, int bitCount)
{
    const size_t bit = size_t(x) * bitCount;
    const int shift = 8 - bitCount - int(bit % 8);
    return (Byte(row, bit / 8) >> shift) & ((1u << bitCount) - 1);
}

uint32_t PixelAt(std::string_view row, int x, const DibHeader& header, const PixelFormat& format)
{
    const size_t i = size_t(x);
    switch (header.bitCount) {
    case 16:
        return MaskedColour(format, Byte(row, 2 * i) | Byte(row, 2 * i + 1) << 8);
    case 24:
        return kOpaqueBlack | Byte(row, 3 * i + 2) << 16 | Byte(row, 3 * i + 1) << 8 |
               Byte(row, 3 * i);
    case 32:
        return MaskedColour(format, Byte(row, 4 * i) | Byte(row, 4 * i + 1) << 8 |
                                        Byte(row, 4 * i + 2) << 16 | Byte(row, 4 * i + 3) << 24);
    default:
        return PaletteColour(format, IndexAt(row, x, header.bitCount));
    }
}

std::optional<uint64_t> RowStride(const DibHeader& header)
{
    const auto bits = CheckedMul<uint64_t>(uint64_t(header.width), header.bitCount);
    if (!bits)
        return std::nullopt;
    const auto padded = CheckedAdd<uint64_t>(*bits, 31);
    if (!padded)
        return std::nullopt;
    return *padded / 32 * 4;
}

size_t OutputRow(const DibHeader& header, int64_t storedRow)
{
    return size_t(header.topDown ? storedRow : header.rows - 1 - storedRow);
}

bool DecodeUncompressed(ByteCursor& cursor, const DibHeader& header, const PixelFormat& format,
                        PixelImage& image, std::string& error)
{
    const auto stride = RowStride(header);
    const auto total = stride ? CheckedMul<uint64_t>(*stride, uint64_t(header.rows)) : stride;
    if (!total || *total > cursor.Remaining()) {
        error = "bitmap pixel data is truncated";
        return false;
    }
    image.pixels.resize(size_t(header.width) * size_t(header.rows));
    for (int32_t y = 0; y < header.rows; ++y) {
        const std::string_view row = cursor.Take(size_t(*stride));
        uint32_t* out = image.pixels.data() + OutputRow(header, y) * size_t(header.width);
        for (int32_t x = 0; x < header.width; ++x)
            out[x] = PixelAt(row, x, header, format);
    }
    return true;
}

// Walks run-length data bottom row first, calling PLOT(x, storedRow, index) for every pixel the
// data sets inside the bitmap. Returns false when the data ends before the end-of-bitmap code
// or the last row. Every step consumes at least two bytes, so the walk always ends.
template <typename Plot>
bool WalkRle(ByteCursor cursor, const DibHeader& header, Plot plot)
{
    const bool rle4 = header.compression == kRle4;
    auto put = [&](int64_t x, int64_t y, uint32_t index) {
        if (x < header.width)
            plot(x, y, index);
    };
    int64_t x = 0, y = 0;
    while (y < header.rows) {
        const uint32_t count = cursor.ReadByte(), value = cursor.ReadByte();
        if (!cursor.Ok())
            return false;
        if (count > 0) {
            for (uint32_t i = 0; i < count; ++i)
                put(x + i, y, rle4 ? (i % 2 ? value & 15 : value >> 4) : value);
            x += count;
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            x += cursor.ReadByte();
            y += cursor.ReadByte();
        } else {
            const uint32_t length = rle4 ? (value + 1) / 2 : value;
            const std::string_view run = cursor.Take(length);
            for (uint32_t i = 0; i < value && cursor.Ok(); ++i)
                put(x + i, y, rle4 ? IndexAt(run, int(i), 4) : Byte(run, i));
            cursor.Skip(length % 2);
            x += value;
        }
    }
    return cursor.Ok();
}

// Run-length data may end the bitmap after its first bytes and leave the rest blank, so a few
// bytes could claim any size. Encoders cover at most 255 pixels with two bytes and end each row
// with two more; beyond a first megapixel, a bitmap needing more than 1024 pixels per byte of
// data is refused, which bounds what a small file can make us allocate.
constexpr uint64_t kMaxRlePixelsPerByte = 1024;
constexpr uint64_t kRlePixelsAlwaysAllowed = uint64_t(1) << 20;

bool IsPlausibleRleSize(const DibHeader& header, size_t dataBytes)
{
    const uint64_t pixels = uint64_t(header.width) * uint64_t(header.rows);
    return pixels <= kRlePixelsAlwaysAllowed || pixels / kMaxRlePixelsPerByte <= dataBytes;
}

// The run-length data is walked once without drawing so that nothing is allocated for a stream
// that turns out to be cut short. Pixels that the data skips keep colour 0 of the palette.
bool DecodeRle(ByteCursor& cursor, const DibHeader& header, const PixelFormat& format,
               PixelImage& image, std::string& error)
{
    if (!IsPlausibleRleSize(header, cursor.Remaining())) {
        error = "bitmap run-length data is too short for its size";
        return false;
    }
    if (!WalkRle(cursor, header, [](int64_t, int64_t, uint32_t) {})) {
        error = "bitmap run-length data is truncated";
        return false;
    }
    const size_t width = size_t(header.width);
    image.pixels.assign(width * size_t(header.rows), PaletteColour(format, 0));
    WalkRle(cursor, header, [&](int64_t x, int64_t y, uint32_t index) {
        image.pixels[OutputRow(header, y) * width + size_t(x)] = PaletteColour(format, index);
    });
    return true;
}

// An alpha channel whose every value is 0 was never meant as one: such bitmaps are opaque.
bool KeepAlphaIfUsed(PixelImage& image)
{
    for (uint32_t pixel : image.pixels)
        if (pixel >> 24 != 0)
            return true;
    for (uint32_t& pixel : image.pixels)
        pixel |= kOpaqueBlack;
    return false;
}

bool ReadPixelFormat(ByteCursor& cursor, const DibHeader& header, const DibOptions& options,
                     PixelFormat& format)
{
    const bool icon = options.icon;
    if (header.bitCount == 16 || header.bitCount == 32) {
        const auto masks = ChooseMasks(cursor, header, icon);
        for (int i = 0; i < 4; ++i)
            format.channels[i] = MakeChannel(masks[i]);
    }
    return ReadPalette(cursor, header, !options.pixelOffset, format.palette);
}

} // namespace

std::optional<DibImage> DecodeDib(std::string_view dib, const DibOptions& options,
                                  std::string& error)
{
    ByteCursor cursor(dib);
    DibHeader header;
    if (!ReadHeader(cursor, header, options.icon, error))
        return std::nullopt;
    PixelFormat format;
    if (!ReadPixelFormat(cursor, header, options, format)) {
        error = "bitmap colour table is truncated";
        return std::nullopt;
    }
    if (options.pixelOffset)
        cursor.Seek(*options.pixelOffset);
    if (!cursor.Ok()) {
        error = "bitmap has an invalid data offset";
        return std::nullopt;
    }
    DibImage result;
    result.image.width = header.width;
    result.image.height = header.rows;
    const bool decoded = IsRle(header)
                             ? DecodeRle(cursor, header, format, result.image, error)
                             : DecodeUncompressed(cursor, header, format, result.image, error);
    if (!decoded)
        return std::nullopt;
    result.pixelEnd = cursor.Position();
    result.hasAlpha = format.channels[3].mask != 0 && KeepAlphaIfUsed(result.image);
    return result;
}

PictureDecodeResult DecodeBmp(std::string_view bytes)
{
    constexpr size_t kFileHeaderSize = 14;
    std::string_view dib = bytes;
    DibOptions options;
    if (bytes.substr(0, 2) == "BM") {
        ByteCursor cursor(bytes, 10);
        const uint32_t pixelOffset = cursor.ReadU32LE();
        if (!cursor.Ok())
            return Failure("bitmap file header is truncated");
        if (pixelOffset != 0 && pixelOffset < kFileHeaderSize)
            return Failure("bitmap has an invalid data offset");
        dib = bytes.substr(kFileHeaderSize);
        // Some writers leave the offset 0 and rely on the pixels following the colour table.
        if (pixelOffset != 0)
            options.pixelOffset = pixelOffset - kFileHeaderSize;
    }
    std::string error;
    auto decoded = DecodeDib(dib, options, error);
    if (!decoded)
        return Failure(error);
    PixelImage& image = decoded->image;
    PictureDecodeResult result;
    result.picture = std::make_unique<Picture>(PictureFormat::Bitmap, image.width, image.height,
                                               std::move(image.pixels), std::string(bytes));
    return result;
}

} // namespace platform::codecs
