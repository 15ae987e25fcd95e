// Feeds stored picture bodies to the decoders. The first byte picks the format (0 bitmap, 1 icon,
// 2 JPEG, 3 metafile, 4 enhanced metafile, anything else: guess from the signature); the rest is
// the body. A decoded picture must be self-consistent.
#include "platform/picture.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckPicture(const platform::Picture& picture)
{
    Check(picture.Width() > 0 && picture.Height() > 0);
    Check(int64_t(picture.Width()) * picture.Height() <= platform::kMaxPicturePixels);
    const size_t expected = picture.IsMetafile() ? 0 : size_t(picture.Width()) * picture.Height();
    Check(picture.Pixels().size() == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);
    const uint8_t selector = data[0];
    const auto picture = selector <= 4
                             ? platform::DecodePicture(platform::PictureFormat(selector), body)
                             : platform::DecodePictureGuessingFormat(body);
    if (picture)
        CheckPicture(*picture);
    return 0;
}
