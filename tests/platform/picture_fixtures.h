// Builders for the small picture files the decoder tests feed in, written byte by byte so that
// each test states exactly what the file holds.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace picture_fixtures {

class ByteWriter {
public:
    ByteWriter& U8(uint32_t value)
    {
        m_bytes.push_back(char(value & 0xFF));
        return *this;
    }
    ByteWriter& U16(uint32_t value) { return U8(value).U8(value >> 8); }
    ByteWriter& U32(uint32_t value) { return U16(value).U16(value >> 16); }
    ByteWriter& Raw(std::string_view bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    ByteWriter& PadTo(size_t size)
    {
        if (m_bytes.size() < size)
            m_bytes.resize(size, '\0');
        return *this;
    }
    size_t Size() const { return m_bytes.size(); }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Bytes from a list of values 0..255.
inline std::string Bytes(std::initializer_list<int> values)
{
    std::string result;
    for (int value : values)
        result.push_back(char(value));
    return result;
}

// Bitmap rows, each padded to a multiple of four bytes, in the order given.
inline std::string Rows(std::initializer_list<std::string> rows)
{
    std::string result;
    for (const std::string& row : rows) {
        result += row;
        result.resize((result.size() + 3) / 4 * 4, '\0');
    }
    return result;
}

struct DibSpec {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    std::vector<uint32_t> palette; // 0x00RRGGBB, written as the colour table
    uint32_t colorsUsed = 0;
    std::optional<std::array<uint32_t, 4>> masks; // written after or inside the header
    std::string bits;
};

// A layout with the fields every case sets; the rest keep their defaults.
inline DibSpec Layout(int32_t width, int32_t height, uint16_t bitCount, std::string bits)
{
    DibSpec layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    layout.bits = std::move(bits);
    return layout;
}

inline std::string MakeDib(const DibSpec& layout)
{
    ByteWriter out;
    out.U32(layout.headerSize);
    if (layout.headerSize == 12) {
        out.U16(layout.width).U16(layout.height).U16(1).U16(layout.bitCount);
    } else {
        out.U32(layout.width).U32(layout.height).U16(1).U16(layout.bitCount).U32(layout.compression);
        out.U32(layout.bits.size()).U32(3780).U32(3780).U32(layout.colorsUsed).U32(0);
    }
    const bool masksInHeader = layout.headerSize >= 52;
    if (layout.masks && masksInHeader)
        for (int i = 0; i < (layout.headerSize >= 56 ? 4 : 3); ++i)
            out.U32((*layout.masks)[i]);
    out.PadTo(layout.headerSize);
    if (layout.masks && !masksInHeader)
        for (int i = 0; i < (layout.compression == 6 ? 4 : 3); ++i)
            out.U32((*layout.masks)[i]);
    for (uint32_t colour : layout.palette) {
        out.U8(colour).U8(colour >> 8).U8(colour >> 16);
        if (layout.headerSize != 12)
            out.U8(0);
    }
    out.Raw(layout.bits);
    return out.Bytes();
}

// A BMP file; GAP extra bytes between the colour table and the pixels test the data offset.
inline std::string MakeBmpFile(const DibSpec& layout, size_t gap = 0)
{
    const std::string dib = MakeDib(layout);
    const size_t headerAndTable = dib.size() - layout.bits.size();
    ByteWriter out;
    out.Raw("BM").U32(14 + dib.size() + gap).U32(0).U32(14 + headerAndTable + gap);
    out.Raw(std::string_view(dib).substr(0, headerAndTable)).Raw(std::string(gap, '\x5A'));
    out.Raw(layout.bits);
    return out.Bytes();
}

struct IconImage {
    uint8_t declaredWidth = 0; // as the directory states it (0 = 256)
    uint8_t declaredHeight = 0;
    uint16_t bitCount = 0;
    std::string data; // a DIB with colours and mask, or a PNG file
};

inline std::string MakeIco(const std::vector<IconImage>& images)
{
    ByteWriter out;
    out.U16(0).U16(1).U16(images.size());
    size_t offset = 6 + 16 * images.size();
    for (const IconImage& image : images) {
        out.U8(image.declaredWidth).U8(image.declaredHeight).U8(0).U8(0).U16(1);
        out.U16(image.bitCount).U32(image.data.size()).U32(offset);
        offset += image.data.size();
    }
    for (const IconImage& image : images)
        out.Raw(image.data);
    return out.Bytes();
}

// The colour bitmap and the mask of one icon image, as an icon's DIB (height stated twice).
inline std::string MakeIconDib(DibSpec layout, const std::string& mask)
{
    layout.height *= 2;
    layout.bits += mask;
    return MakeDib(layout);
}

// Pixels as "AARRGGBB" words, so that failures show readable colours.
inline std::string Hex(const std::vector<uint32_t>& pixels)
{
    std::string result;
    char word[10];
    for (uint32_t pixel : pixels) {
        std::snprintf(word, sizeof word, "%08X ", pixel);
        result += word;
    }
    return result;
}

} // namespace picture_fixtures
