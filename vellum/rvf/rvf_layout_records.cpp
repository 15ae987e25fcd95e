#include "vellum/rvf/rvf_layout_records.h"

#include "platform/byte_cursor.h"
#include "platform/checked_math.h"
#include "platform/picture.h"
#include "vellum/rvf/rvf_hex.h"
#include "vellum/vellum_error.h"

namespace vellum {

namespace {

constexpr uint32_t kMarginGroupSize = 25;
constexpr uint32_t kContinuationGroupSize = 16;
constexpr size_t kMarkerSize = 17;

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

void ReadMargins(platform::ByteCursor& cursor, TRVLayoutInfo& layout)
{
    layout.LeftMargin = cursor.ReadI32LE();
    layout.RightMargin = cursor.ReadI32LE();
    layout.TopMargin = cursor.ReadI32LE();
    layout.BottomMargin = cursor.ReadI32LE();
    layout.MinTextWidth = cursor.ReadI32LE();
    layout.MaxTextWidth = cursor.ReadI32LE();
    layout.BiDiMode = cursor.ReadByte();
}

void ReadContinuation(platform::ByteCursor& cursor, TRVLayoutInfo& layout, const TRVIntegerList* listMap)
{
    layout.FirstParaContinued = cursor.ReadI32LE() != 0;
    layout.LastParaContinued = cursor.ReadI32LE() != 0;
    layout.ContinuedListNo = MapListNo(cursor.ReadI32LE(), listMap);
    layout.ContinuedListLevel = cursor.ReadI32LE();
}

} // namespace

TRVLayoutInfo ReadRvfLayoutBody(std::string_view body, const TRVIntegerList* listMap)
{
    platform::ByteCursor cursor(body);
    TRVLayoutInfo layout;
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

std::string WriteRvfLayoutBody(const TRVLayoutInfo& layout)
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
    platform::ByteCursor cursor(body);
    cursor.ReadU32LE();
    const uint32_t count = cursor.ReadU32LE();
    auto bytes = platform::CheckedMul<uint64_t>(count, kMarkerSize);
    if (!cursor.Ok() || !bytes || *bytes > cursor.Remaining())
        return false;
    out.clear();
    out.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        PrecedingMarker m;
        m.ListNo = MapListNo(cursor.ReadI32LE(), listMap);
        m.Level = cursor.ReadI32LE();
        m.ResetNumbering = cursor.ReadByte() != 0;
        m.StartFrom = cursor.ReadI32LE();
        m.Counter = cursor.ReadI32LE();
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
