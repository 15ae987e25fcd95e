// A list of equally sized images that list levels can take their markers from. The tool never
// creates one, but stored documents can name one by tag and the application may supply it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {
class Picture;
}

namespace vellum {

class RvImageList {
public:
    virtual ~RvImageList() = default;

    int32_t Tag = 0;
    std::u16string Name;

    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Image INDEX (0 .. Count() - 1), or null.
    virtual const platform::Picture* Image(int index) const = 0;
};

} // namespace vellum
