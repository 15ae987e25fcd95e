// An inserted control as the document keeps it. This program never creates live controls from
// a document: the item keeps the control's class, name and stored properties so that it can be
// written back, and the view draws a framed placeholder of the control's size in its place.
#pragma once

#include <cstdint>
#include <string>

#include "vellum/document/document_types.h"

namespace vellum {

class RvHostedControl {
public:
    std::string ClassName;
    std::string Name;
    // The control's stored component stream, kept byte for byte.
    TRVRawByteString StreamData;
    int32_t Width = 0;
    int32_t Height = 0;
    bool Visible = true;
    bool HasParent = false;
};

} // namespace vellum
