#include "platform/picture.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

using platform::PictureFormat;

struct Source {
    int width;
    int height;
    J_COLOR_SPACE space;
    int components;
    bool progressive;
    std::vector<uint8_t> samples; // rows top-down, COMPONENTS bytes a pixel
};

// Encodes with libjpeg, without chroma subsampling so that flat 8 x 8 blocks keep their colour.
std::string Encode(const Source& source)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = source.width;
    info.image_height = source.height;
    info.input_components = source.components;
    info.in_color_space = source.space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    for (int i = 0; i < info.num_components; ++i)
        info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
    if (source.progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(source.samples.data()) +
                       size_t(info.next_scanline) * source.width * source.components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string result(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    jpeg_destroy_compress(&info);
    return result;
}

// 16 x 16 in four flat quadrants: red, green / blue, white.
Source Quadrants(bool progressive)
{
    Source source{16, 16, JCS_RGB, 3, progressive, {}};
    const uint8_t colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint8_t* colour = colours[(y / 8) * 2 + x / 8];
            source.samples.insert(source.samples.end(), colour, colour + 3);
        }
    return source;
}

Source GreyHalves()
{
    Source source{16, 8, JCS_GRAYSCALE, 1, false, {}};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            source.samples.push_back(x < 8 ? 0x40 : 0xC0);
    return source;
}

// Adobe-style inverted CMYK (255 = no ink): full magenta and yellow ink make red.
Source CmykRed()
{
    Source source{8, 8, JCS_CMYK, 4, false, {}};
    for (int i = 0; i < 64; ++i)
        source.samples.insert(source.samples.end(), {255, 0, 0, 255});
    return source;
}

struct Probe {
    int x;
    int y;
    uint32_t colour;
};

struct JpegCase {
    const char* name;
    Source source;
    std::vector<Probe> probes;
};

std::vector<JpegCase> JpegCases()
{
    const std::vector<Probe> quadrants = {
        {4, 4, 0xFFFF0000}, {12, 4, 0xFF00FF00}, {4, 12, 0xFF0000FF}, {12, 12, 0xFFFFFFFF}};
    return {
        {"baseline RGB", Quadrants(false), quadrants},
        {"progressive RGB", Quadrants(true), quadrants},
        {"greyscale", GreyHalves(), {{3, 3, 0xFF404040}, {12, 5, 0xFFC0C0C0}}},
        {"inverted CMYK", CmykRed(), {{0, 0, 0xFFFF0000}, {7, 7, 0xFFFF0000}}},
    };
}

void ExpectNear(uint32_t actual, uint32_t expected)
{
    EXPECT_EQ(actual >> 24, expected >> 24) << std::hex << actual;
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference = int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF);
        EXPECT_LE(std::abs(difference), 8) << std::hex << actual << " vs " << expected;
    }
}

TEST(PictureJpegTest, DecodesSizeAndColours)
{
    for (const JpegCase& c : JpegCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = Encode(c.source);
        const auto result = platform::TryDecodePicture(PictureFormat::Jpeg, bytes);
        ASSERT_TRUE(result.picture) << result.error;
        const platform::Picture& picture = *result.picture;
        EXPECT_EQ(picture.Format(), PictureFormat::Jpeg);
        ASSERT_EQ(picture.Width(), c.source.width);
        ASSERT_EQ(picture.Height(), c.source.height);
        ASSERT_EQ(picture.Pixels().size(), size_t(c.source.width) * c.source.height);
        for (const Probe& probe : c.probes)
            ExpectNear(picture.Pixels()[size_t(probe.y) * picture.Width() + probe.x], probe.colour);
        EXPECT_EQ(platform::GuessPictureFormat(bytes), PictureFormat::Jpeg);
    }
}

TEST(PictureJpegTest, EveryTruncationIsRefused)
{
    for (const JpegCase& c : JpegCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = Encode(c.source);
        for (size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(platform::DecodePicture(PictureFormat::Jpeg, bytes.substr(0, length)))
                << "prefix of " << length << " bytes";
    }
}

// Rewrites the frame header's height and width.
std::string WithFrameSize(std::string bytes, int width, int height)
{
    const size_t frame = bytes.find("\xFF\xC0");
    EXPECT_NE(frame, std::string::npos);
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width);
    return bytes;
}

TEST(PictureJpegTest, RefusesImpossibleFiles)
{
    const std::string good = Encode(Quadrants(false));
    std::string garbage = good.substr(0, 3) + std::string(200, '\x37');
    // The scan's data stops halfway, yet the file ends properly with its end marker.
    const size_t scan = good.find("\xFF\xDA");
    const std::string shortScan = good.substr(0, scan + (good.size() - scan) / 2) + "\xFF\xD9";
    const struct {
        const char* name;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"20000 x 20000 claim", WithFrameSize(good, 20000, 20000), "too large"},
        {"65535 x 65535 claim", WithFrameSize(good, 65535, 65535), ""},
        {"zero height", WithFrameSize(good, 16, 0), ""},
        {"scan cut short before the end marker", shortScan, "Corrupt"},
        {"100 megapixels claimed by a small file", WithFrameSize(good, 10000, 10000), "Corrupt"},
        {"garbage after the start marker", garbage, ""},
        {"not a JPEG", "BM\x00\x00", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = platform::TryDecodePicture(PictureFormat::Jpeg, c.bytes);
        EXPECT_FALSE(result.picture);
        EXPECT_FALSE(result.error.empty());
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    }
}

} // namespace
