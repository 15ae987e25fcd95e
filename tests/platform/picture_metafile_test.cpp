#include "platform/picture.h"
#include "tests/platform/picture_fixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace picture_fixtures;
using platform::PictureFormat;

std::string SetWindowExt(int x, int y)
{
    return ByteWriter().U32(5).U16(0x020C).U16(y).U16(x).Bytes();
}

const std::string kWmfEof = ByteWriter().U32(3).U16(0).Bytes();

std::string WmfBody(const std::string& records)
{
    ByteWriter out;
    out.U16(1).U16(9).U16(0x0300).U32((18 + records.size()) / 2).U16(0).U32(5).U16(0);
    return out.Raw(records).Bytes();
}

std::string PlaceableWmf(int left, int top, int right, int bottom, int unitsPerInch,
                         const std::string& records = kWmfEof)
{
    ByteWriter out;
    out.U32(0x9AC6CDD7).U16(0).U16(left).U16(top).U16(right).U16(bottom).U16(unitsPerInch);
    out.U32(0).U16(0);
    return out.Raw(WmfBody(records)).Bytes();
}

struct EmfSpec {
    std::array<int32_t, 4> bounds = {0, 0, 99, 49};
    std::array<int32_t, 4> frame = {0, 0, 2540, 1270};
    std::array<int32_t, 2> devicePixels = {1024, 768};
    std::array<int32_t, 2> deviceMillimetres = {320, 240};
    uint32_t signature = 0x464D4520;
    std::string records = ByteWriter().U32(14).U32(20).U32(0).U32(16).U32(20).Bytes();
    int64_t sizeAdjustment = 0; // added to the stated total size
};

std::string Emf(const EmfSpec& layout)
{
    constexpr uint32_t kHeaderSize = 88;
    ByteWriter out;
    out.U32(1).U32(kHeaderSize);
    for (int32_t value : layout.bounds)
        out.U32(value);
    for (int32_t value : layout.frame)
        out.U32(value);
    out.U32(layout.signature).U32(0x10000).U32(kHeaderSize + layout.records.size() + layout.sizeAdjustment);
    out.U32(2).U16(1).U16(0).U32(0).U32(0).U32(0);
    for (int32_t value : layout.devicePixels)
        out.U32(value);
    for (int32_t value : layout.deviceMillimetres)
        out.U32(value);
    return out.PadTo(kHeaderSize).Raw(layout.records).Bytes();
}

EmfSpec EmptyFrame()
{
    EmfSpec layout;
    layout.frame = {0, 0, 0, 0};
    layout.devicePixels = {1000, 800};
    layout.deviceMillimetres = {250, 200};
    return layout;
}

struct MetafileCase {
    const char* name;
    std::string bytes;
    PictureFormat format;
    int width; // pixels at 96 dpi
    int height;
    int logicalWidth; // 0.01 mm
    int logicalHeight;
};

std::vector<MetafileCase> MetafileCases()
{
    const auto wmf = PictureFormat::Metafile;
    const auto emf = PictureFormat::EnhancedMetafile;
    return {
        {"placeable, twips", PlaceableWmf(0, 0, 1440, 720, 1440), wmf, 96, 48, 2540, 1270},
        {"placeable, no resolution means twips", PlaceableWmf(0, 0, 1440, 720, 0), wmf, 96, 48, 2540,
         1270},
        {"placeable, 96 units an inch, offset box", PlaceableWmf(10, 20, 110, 70, 96), wmf, 100, 50,
         2646, 1323},
        {"placeable, reversed box", PlaceableWmf(1440, 720, 0, 0, 1440), wmf, 96, 48, 2540, 1270},
        {"placeable with records", PlaceableWmf(0, 0, 720, 720, 1440, SetWindowExt(5, 5) + kWmfEof),
         wmf, 48, 48, 1270, 1270},
        {"plain, window extent in twips", WmfBody(SetWindowExt(2880, 1440) + kWmfEof), wmf, 192, 96,
         5080, 2540},
        {"plain, no extent", WmfBody(kWmfEof), wmf, 96, 96, 2540, 2540},
        {"enhanced, frame", Emf({}), emf, 96, 48, 2540, 1270},
        {"enhanced, empty frame uses the bounds", Emf(EmptyFrame()), emf, 94, 47, 2500, 1250},
    };
}

TEST(PictureMetafileTest, SizesComeFromTheHeader)
{
    for (const MetafileCase& c : MetafileCases()) {
        SCOPED_TRACE(c.name);
        // Either metafile format accepts both kinds and reports the kind found.
        for (PictureFormat asked : {PictureFormat::Metafile, PictureFormat::EnhancedMetafile}) {
            const auto result = platform::TryDecodePicture(asked, c.bytes);
            ASSERT_TRUE(result.picture) << result.error;
            const platform::Picture& picture = *result.picture;
            EXPECT_EQ(picture.Format(), c.format);
            EXPECT_TRUE(picture.IsMetafile());
            EXPECT_EQ(picture.Width(), c.width);
            EXPECT_EQ(picture.Height(), c.height);
            EXPECT_EQ(picture.LogicalWidth(), c.logicalWidth);
            EXPECT_EQ(picture.LogicalHeight(), c.logicalHeight);
            EXPECT_TRUE(picture.Pixels().empty());
            EXPECT_EQ(picture.Bytes(), c.bytes);
        }
        EXPECT_EQ(platform::GuessPictureFormat(c.bytes), c.format);
    }
}

TEST(PictureMetafileTest, EveryTruncationIsRefused)
{
    for (const MetafileCase& c : MetafileCases()) {
        SCOPED_TRACE(c.name);
        for (size_t length = 0; length < c.bytes.size(); ++length)
            EXPECT_FALSE(platform::DecodePicture(c.format, c.bytes.substr(0, length)))
                << "prefix of " << length << " bytes";
    }
}

TEST(PictureMetafileTest, RefusesMalformedMetafiles)
{
    EmfSpec badSignature;
    badSignature.signature = 0x20202020;
    EmfSpec oddRecord;
    oddRecord.records = ByteWriter().U32(70).U32(6).U32(0).Bytes() + oddRecord.records;
    EmfSpec overlong;
    overlong.sizeAdjustment = 4;
    EmfSpec noDevice = EmptyFrame();
    noDevice.devicePixels = {0, 0};
    EmfSpec noEof;
    noEof.records = ByteWriter().U32(70).U32(8).Bytes();
    EmfSpec huge;
    huge.frame = {0, 0, 2'000'000'000, 2'000'000'000};
    const struct {
        const char* name;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"record of zero words", PlaceableWmf(0, 0, 10, 10, 1440, ByteWriter().U32(0).U16(1).Bytes()),
         "records"},
        {"record longer than the file", PlaceableWmf(0, 0, 10, 10, 1440, SetWindowExt(1, 1).substr(0, 8)),
         "records"},
        {"no end record", WmfBody(SetWindowExt(1, 1)), "records"},
        {"empty box", PlaceableWmf(5, 5, 5, 90, 1440), "empty frame"},
        {"box too large at one unit an inch", PlaceableWmf(0, 0, 32767, 32767, 1), "too large"},
        {"wrong header words", ByteWriter().U16(1).U16(8).U16(0x0300).U32(12).U16(0).U32(0).U16(0).Raw(kWmfEof).Bytes(),
         "header"},
        {"enhanced, bad signature", Emf(badSignature), "header"},
        {"enhanced, record size not a multiple of 4", Emf(oddRecord), "records"},
        {"enhanced, stated size past the end", Emf(overlong), "truncated"},
        {"enhanced, no end record", Emf(noEof), "records"},
        {"enhanced, empty frame and no device size", Emf(noDevice), "empty frame"},
        {"enhanced, 20 km frame", Emf(huge), "too large"},
        {"empty", "", "header"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = platform::TryDecodePicture(PictureFormat::Metafile, c.bytes);
        EXPECT_FALSE(result.picture);
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    }
}

} // namespace
