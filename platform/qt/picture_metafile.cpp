// Windows metafiles (WMF, with or without the placeable header) and enhanced metafiles (EMF).
// Their records are not played here; the header gives the picture's size, and the record chain
// is walked once so that a cut-off or malformed file is refused now rather than when drawn.
#include "platform/qt/picture_codecs.h"

#include "platform/byte_cursor.h"
#include "platform/checked_math.h"

#include <cstdlib>

namespace platform::codecs {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr int kScreenDpi = 96;
constexpr int kHundredthsMmPerInch = 2540;
// A metafile that states no resolution is taken to be in twips, as most writers use them.
constexpr int kDefaultUnitsPerInch = 1440;
// A plain WMF gives no size at all unless it sets a window extent; this is the size shown then.
constexpr int kDefaultPlainWmfPixels = 96;

struct MetafileSize {
    int width = 0; // pixels at 96 dpi
    int height = 0;
    int logicalWidth = 0; // 0.01 mm
    int logicalHeight = 0;
};

bool FromUnits(int64_t width, int64_t height, int unitsPerInch, MetafileSize& size)
{
    const auto convert = [&](int64_t value, int scale) {
        return MulDiv(int32_t(std::llabs(value)), scale, unitsPerInch);
    };
    if (std::llabs(width) > INT32_MAX || std::llabs(height) > INT32_MAX)
        return false;
    size = {convert(width, kScreenDpi), convert(height, kScreenDpi),
            convert(width, kHundredthsMmPerInch), convert(height, kHundredthsMmPerInch)};
    return size.width > 0 && size.height > 0 && size.logicalWidth > 0 && size.logicalHeight > 0;
}

std::unique_ptr<Picture> MakePicture(PictureFormat format, const MetafileSize& size,
                                     std::string_view bytes)
{
    auto picture = std::make_unique<Picture>(format, size.width, size.height,
                                             std::vector<uint32_t>{}, std::string(bytes));
    picture->SetLogicalSize(size.logicalWidth, size.logicalHeight);
    return picture;
}

PictureDecodeResult Success(PictureFormat format, const MetafileSize& size, std::string_view bytes)
{
    std::string error;
    if (!IsAcceptableSize(size.width, size.height, error))
        return Failure(error);
    PictureDecodeResult result;
    result.picture = MakePicture(format, size, bytes);
    return result;
}

// ---- Windows metafiles

constexpr uint16_t kWmfEof = 0x0000;
constexpr uint16_t kWmfSetWindowExt = 0x020C;

struct WmfRecords {
    bool complete = false;             // reached the end-of-file record
    std::optional<int64_t> extentX;    // the first window extent set, if any
    std::optional<int64_t> extentY;
};

bool ReadWmfHeader(ByteCursor& cursor)
{
    const uint16_t type = cursor.ReadU16LE(), headerWords = cursor.ReadU16LE(), version = cursor.ReadU16LE();
    cursor.Skip(12); // size, object count, largest record, parameter count
    return cursor.Ok() && (type == 1 || type == 2) && headerWords == 9 &&
           (version == 0x0100 || version == 0x0300);
}

// Every record is a size in 16-bit words (at least the 3 of its own header) and a function.
WmfRecords WalkWmfRecords(ByteCursor& cursor)
{
    WmfRecords records;
    while (cursor.Ok()) {
        const size_t start = cursor.Position();
        const uint32_t words = cursor.ReadU32LE();
        const uint16_t function = cursor.ReadU16LE();
        if (!cursor.Ok() || words < 3 || uint64_t(words) * 2 > cursor.Size() - start)
            break;
        if (function == kWmfEof) {
            records.complete = true;
            break;
        }
        if (function == kWmfSetWindowExt && words >= 5 && !records.extentX) {
            records.extentY = cursor.ReadI16LE();
            records.extentX = cursor.ReadI16LE();
        }
        cursor.Seek(start + size_t(words) * 2);
    }
    return records;
}

PictureDecodeResult DecodePlaceableWmf(std::string_view bytes)
{
    ByteCursor cursor(bytes, 6); // key and handle
    const int16_t left = cursor.ReadI16LE(), top = cursor.ReadI16LE(), right = cursor.ReadI16LE(),
                  bottom = cursor.ReadI16LE();
    uint16_t unitsPerInch = cursor.ReadU16LE();
    cursor.Skip(6); // reserved, checksum
    if (!cursor.Ok() || !ReadWmfHeader(cursor))
        return Failure("metafile header is truncated or invalid");
    if (!WalkWmfRecords(cursor).complete)
        return Failure("metafile records are truncated or invalid");
    if (unitsPerInch == 0)
        unitsPerInch = kDefaultUnitsPerInch;
    MetafileSize size;
    if (!FromUnits(int64_t(right) - left, int64_t(bottom) - top, unitsPerInch, size))
        return Failure("metafile has an empty frame");
    return Success(PictureFormat::Metafile, size, bytes);
}

PictureDecodeResult DecodePlainWmf(std::string_view bytes)
{
    ByteCursor cursor(bytes);
    if (!ReadWmfHeader(cursor))
        return Failure("metafile header is truncated or invalid");
    const WmfRecords records = WalkWmfRecords(cursor);
    if (!records.complete)
        return Failure("metafile records are truncated or invalid");
    MetafileSize size;
    if (records.extentX && FromUnits(*records.extentX, *records.extentY, kDefaultUnitsPerInch, size))
        return Success(PictureFormat::Metafile, size, bytes);
    FromUnits(kDefaultPlainWmfPixels, kDefaultPlainWmfPixels, kScreenDpi, size);
    return Success(PictureFormat::Metafile, size, bytes);
}

// ---- Enhanced metafiles

constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmrEof = 14;
constexpr uint32_t kEmfMinHeaderSize = 80; // up to and including the reference device's size

struct EmfHeader {
    int32_t bounds[4] = {}; // device pixels, inclusive
    int32_t frame[4] = {};  // 0.01 mm, inclusive
    uint32_t headerSize = 0;
    uint32_t totalBytes = 0;
    int32_t devicePixels[2] = {};
    int32_t deviceMillimetres[2] = {};
};

bool ReadEmfHeader(ByteCursor& cursor, EmfHeader& header)
{
    const uint32_t type = cursor.ReadU32LE();
    header.headerSize = cursor.ReadU32LE();
    for (int32_t& value : header.bounds)
        value = cursor.ReadI32LE();
    for (int32_t& value : header.frame)
        value = cursor.ReadI32LE();
    const uint32_t signature = cursor.ReadU32LE();
    cursor.ReadU32LE(); // version
    header.totalBytes = cursor.ReadU32LE();
    cursor.Skip(20); // record and handle counts, description, palette size
    for (int32_t& value : header.devicePixels)
        value = cursor.ReadI32LE();
    for (int32_t& value : header.deviceMillimetres)
        value = cursor.ReadI32LE();
    return cursor.Ok() && type == kEmrHeader && signature == kEmfSignature &&
           header.headerSize >= kEmfMinHeaderSize && header.headerSize % 4 == 0 &&
           header.headerSize <= header.totalBytes;
}

// Records are a type and a size in bytes (a multiple of 4, at least 8); the last is EMR_EOF.
bool WalkEmfRecords(std::string_view records)
{
    ByteCursor cursor(records);
    while (cursor.Ok()) {
        const size_t start = cursor.Position();
        const uint32_t type = cursor.ReadU32LE(), size = cursor.ReadU32LE();
        if (!cursor.Ok() || size < 8 || size % 4 != 0 || size > cursor.Size() - start)
            return false;
        if (type == kEmrEof)
            return true;
        cursor.Seek(start + size);
    }
    return false;
}

// The frame is the picture's own size; a writer that left it empty still gave the bounds in
// pixels of its reference device, whose size in millimetres converts them.
bool EmfSize(const EmfHeader& header, MetafileSize& size)
{
    const int64_t frameWidth = int64_t(header.frame[2]) - header.frame[0];
    const int64_t frameHeight = int64_t(header.frame[3]) - header.frame[1];
    if (frameWidth != 0 && frameHeight != 0)
        return FromUnits(frameWidth, frameHeight, kHundredthsMmPerInch, size);
    const int64_t pixelsWide = int64_t(header.bounds[2]) - header.bounds[0] + 1;
    const int64_t pixelsHigh = int64_t(header.bounds[3]) - header.bounds[1] + 1;
    if (header.devicePixels[0] <= 0 || header.deviceMillimetres[0] <= 0 ||
        header.devicePixels[1] <= 0 || header.deviceMillimetres[1] <= 0)
        return false;
    const auto width = CheckedMul<int64_t>(pixelsWide, int64_t(header.deviceMillimetres[0]) * 100);
    const auto height = CheckedMul<int64_t>(pixelsHigh, int64_t(header.deviceMillimetres[1]) * 100);
    if (!width || !height)
        return false;
    return FromUnits(*width / header.devicePixels[0], *height / header.devicePixels[1],
                     kHundredthsMmPerInch, size);
}

PictureDecodeResult DecodeEmf(std::string_view bytes)
{
    ByteCursor cursor(bytes);
    EmfHeader header;
    if (!ReadEmfHeader(cursor, header))
        return Failure("enhanced metafile header is truncated or invalid");
    if (header.totalBytes > bytes.size())
        return Failure("enhanced metafile is truncated");
    const std::string_view records = bytes.substr(header.headerSize,
                                                  header.totalBytes - header.headerSize);
    if (!WalkEmfRecords(records))
        return Failure("enhanced metafile records are truncated or invalid");
    MetafileSize size;
    if (!EmfSize(header, size))
        return Failure("enhanced metafile has an empty frame");
    return Success(PictureFormat::EnhancedMetafile, size, bytes);
}

} // namespace

PictureDecodeResult DecodeMetafile(std::string_view bytes)
{
    ByteCursor cursor(bytes);
    const uint32_t first = cursor.ReadU32LE();
    if (first == kPlaceableKey)
        return DecodePlaceableWmf(bytes);
    if (first == kEmrHeader)
        return DecodeEmf(bytes);
    return DecodePlainWmf(bytes);
}

} // namespace platform::codecs
