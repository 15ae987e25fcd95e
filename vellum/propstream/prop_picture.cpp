#include "vellum/propstream/prop_picture.h"

#include <optional>

#include "platform/byte_cursor.h"
#include "platform/picture.h"

namespace vellum {

namespace {

using platform::PictureFormat;

struct PictureClass {
    std::string_view Name;
    PictureFormat Format;
    bool SizePrefix;
};

constexpr PictureClass kClasses[] = {
    {"TBitmap", PictureFormat::Bitmap, true},
    {"TIcon", PictureFormat::Icon, false},
    {"TMetafile", PictureFormat::EnhancedMetafile, false},
    {"TJPEGImage", PictureFormat::Jpeg, true},
};

const PictureClass& ClassOf(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bitmap: return kClasses[0];
    case PictureFormat::Icon: return kClasses[1];
    case PictureFormat::Metafile:
    case PictureFormat::EnhancedMetafile: return kClasses[2];
    case PictureFormat::Jpeg: return kClasses[3];
    }
    return kClasses[0];
}

const PictureClass* ClassNamed(std::string_view name)
{
    for (const PictureClass& c : kClasses) {
        if (c.Name == name)
            return &c;
    }
    return nullptr;
}

void AppendLE32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string EncodePictureData(const platform::Picture& picture)
{
    const PictureClass& cls = ClassOf(picture.Format());
    std::string out;
    out += static_cast<char>(cls.Name.size());
    out += cls.Name;
    if (cls.SizePrefix)
        AppendLE32(out, static_cast<uint32_t>(picture.Bytes().size()));
    out += picture.Bytes();
    return out;
}

std::unique_ptr<platform::Picture> DecodePictureData(std::string_view data)
{
    platform::ByteCursor cursor(data);
    const uint8_t nameLength = cursor.ReadByte();
    const PictureClass* cls = ClassNamed(cursor.Take(nameLength));
    if (!cursor.Ok() || !cls)
        return nullptr;
    std::string_view body = cls->SizePrefix ? cursor.Take(cursor.ReadU32LE()) : cursor.TakeRest();
    if (!cursor.Ok())
        return nullptr;
    return platform::DecodePicture(cls->Format, body);
}

} // namespace vellum
