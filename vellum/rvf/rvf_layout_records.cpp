#include "vellum/rvf/rvf_layout_records.h"

#include "platform/checked_math.h"
#include "platform/picture.h"
#include "vellum/rvf/byte_cursor.h"
#include "vellum/rvf/rvf_hex.h"
#include "vellum/vellum_error.h"

namespace vellum {

namespace {

constexpr uint32_t kMarginGroupSize = 25;
constexpr uint32_t kContinuationGroupSize = 16;
constexpr size_t kMarkerSize = 17;

int32_t ReadI32(ByteCursor& cursor)
{
    return static_cast<int32_t>(cursor.ReadU32LE());
}

int32_t MapListNo(int32_t listNo, const TRVIntegerList* listMap)
{
    if (listNo < 0 || !listMap)
        return listNo;
    if (static_cast<size_t>(listNo) >= listMap->size())
        return -1;
    return (*listMap)[static_cast<size_t>(listNo)];
}

void AppendI32(std::string& out, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

void ReadMargins(ByteCursor& cursor, LayoutBody& layout)
{
    layout.HasMargins = true;
    layout.LeftMargin = ReadI32(cursor);
    layout.RightMargin = ReadI32(cursor);
    layout.TopMargin = ReadI32(cursor);
    layout.BottomMargin = ReadI32(cursor);
    layout.MinTextWidth = ReadI32(cursor);
    layout.MaxTextWidth = ReadI32(cursor);
    layout.BiDiMode = cursor.ReadByte();
}

void ReadContinuation(ByteCursor& cursor, LayoutBody& layout, const TRVIntegerList* listMap)
{
    layout.FirstParaContinued = ReadI32(cursor) != 0;
    layout.LastParaContinued = ReadI32(cursor) != 0;
    layout.ContinuedListNo = MapListNo(ReadI32(cursor), listMap);
    layout.ContinuedListLevel = ReadI32(cursor);
}

} // namespace

LayoutBody ReadRvfLayoutBody(std::string_view body, const TRVIntegerList* listMap)
{
    ByteCursor cursor(body);
    LayoutBody layout;
    layout.Nested = cursor.ReadU32LE() != 0;
    uint32_t remaining = cursor.ReadU32LE();
    if (!cursor.Ok() || (!layout.Nested && remaining < kMarginGroupSize))
        ThrowVellumError(messages::kInvalidRvfFormat);
    if (!layout.Nested) {
        ReadMargins(cursor, layout);
        remaining -= kMarginGroupSize;
    }
    if (remaining > 15)
        ReadContinuation(cursor, layout, listMap);
    // Whatever follows belongs to later versions and is not needed; cut-short groups are not.
    if (!cursor.Ok())
        ThrowVellumError(messages::kInvalidRvfFormat);
    return layout;
}

std::string WriteRvfLayoutBody(const LayoutBody& layout)
{
    const bool continued = layout.FirstParaContinued || layout.LastParaContinued;
    std::string out;
    AppendI32(out, layout.Nested ? 1 : 0);
    AppendI32(out, (layout.Nested ? 0 : 25) + (continued ? 16 : 0));
    if (!layout.Nested) {
        for (int32_t v : {layout.LeftMargin, layout.RightMargin, layout.TopMargin, layout.BottomMargin,
                          layout.MinTextWidth, layout.MaxTextWidth})
            AppendI32(out, v);
        out += static_cast<char>(layout.BiDiMode);
    }
    if (continued) {
        AppendI32(out, layout.FirstParaContinued ? 1 : 0);
        AppendI32(out, layout.LastParaContinued ? 1 : 0);
        AppendI32(out, layout.ContinuedListNo);
        AppendI32(out, layout.ContinuedListLevel);
    }
    return out;
}

bool ReadRvfMarkerList(std::string_view body, const TRVIntegerList* listMap, std::vector<PrecedingMarker>& out)
{
    ByteCursor cursor(body);
    cursor.ReadU32LE();
    const uint32_t count = cursor.ReadU32LE();
    auto bytes = platform::CheckedMul<uint64_t>(count, kMarkerSize);
    if (!cursor.Ok() || !bytes || *bytes > cursor.Remaining())
        return false;
    out.clear();
    out.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        PrecedingMarker m;
        m.ListNo = MapListNo(ReadI32(cursor), listMap);
        m.Level = ReadI32(cursor);
        m.ResetNumbering = cursor.ReadByte() != 0;
        m.StartFrom = ReadI32(cursor);
        m.Counter = ReadI32(cursor);
        out.push_back(m);
    }
    return cursor.Ok();
}

std::unique_ptr<platform::Picture> ReadRvfBackgroundBody(std::string_view line, int32_t dataMode)
{
    std::string bytes;
    if (dataMode == 0) {
        RvfHexResult hex = DecodeRvfHex(line);
        if (!hex.complete)
            return nullptr;
        bytes = std::move(hex.bytes);
    } else {
        bytes.assign(line);
    }
    return platform::DecodePicture(platform::PictureFormat::Bitmap, bytes);
}

} // namespace vellum
