// The two resolutions a formatting pass works between: the screen, in whose pixels every length
// of the styles and the control is stored, and the device being formatted for. On screen both
// are equal and every conversion is the identity.
#pragma once

namespace platform {
class Canvas;
}

namespace vellum {

struct ResolutionPair {
    int ScreenPpiX = 96;
    int ScreenPpiY = 96;
    int DevicePpiX = 96;
    int DevicePpiY = 96;

    // SCREEN is a screen-compatible surface (the control's reference canvas), DEVICE the canvas
    // of the pass. A canvas reporting 0 pixels per inch or less counts as 1, so that no
    // conversion ever divides by zero.
    static ResolutionPair FromCanvases(const platform::Canvas& screen, const platform::Canvas& device);
    // Formatting for the screen itself: both resolutions are DEVICE's.
    static ResolutionPair FromCanvas(const platform::Canvas& device);

    // Screen pixels to device pixels and back, rounded to the nearest pixel.
    int XToDevice(int v) const;
    int YToDevice(int v) const;
    int XFromDevice(int v) const;
    int YFromDevice(int v) const;
};

} // namespace vellum
