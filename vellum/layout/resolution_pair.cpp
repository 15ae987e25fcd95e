#include "vellum/layout/resolution_pair.h"

#include "platform/canvas.h"
#include "platform/checked_math.h"

#include <algorithm>

namespace vellum {
namespace {

int Positive(int ppi)
{
    return std::max(1, ppi);
}

} // namespace

ResolutionPair ResolutionPair::FromCanvases(const platform::Canvas& screen,
                                            const platform::Canvas& device)
{
    return {Positive(screen.PixelsPerInchX()), Positive(screen.PixelsPerInchY()),
            Positive(device.PixelsPerInchX()), Positive(device.PixelsPerInchY())};
}

ResolutionPair ResolutionPair::FromCanvas(const platform::Canvas& device)
{
    return FromCanvases(device, device);
}

int ResolutionPair::XToDevice(int v) const
{
    return platform::MulDiv(v, DevicePpiX, ScreenPpiX);
}

int ResolutionPair::YToDevice(int v) const
{
    return platform::MulDiv(v, DevicePpiY, ScreenPpiY);
}

int ResolutionPair::XFromDevice(int v) const
{
    return platform::MulDiv(v, ScreenPpiX, DevicePpiX);
}

int ResolutionPair::YFromDevice(int v) const
{
    return platform::MulDiv(v, ScreenPpiY, DevicePpiY);
}

} // namespace vellum
