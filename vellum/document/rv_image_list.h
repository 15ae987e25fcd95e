// An image list: same-sized images addressed by number, shared by bullets and hotspots. Nothing
// in a snapshot creates one; an application that has images hands them to the document.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/picture.h"

namespace vellum {

class TRVImageList {
public:
    int32_t Width = 16;
    int32_t Height = 16;
    int32_t Tag = 0;
    std::vector<std::shared_ptr<const platform::Picture>> Images;

    int32_t Count() const { return static_cast<int32_t>(Images.size()); }
};

} // namespace vellum
