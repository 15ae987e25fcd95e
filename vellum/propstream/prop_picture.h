// The "Data" value that a picture property carries in the property stream: the picture class
// name as a short string, then the picture's data as that class stores it (bitmaps and JPEG
// images with a 4-byte length in front, icons and metafiles as they are).
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {
class Picture;
}

namespace vellum {

std::string EncodePictureData(const platform::Picture& picture);
// Null when the class is unknown, a length does not fit or the picture does not decode.
std::unique_ptr<platform::Picture> DecodePictureData(std::string_view data);

} // namespace vellum
