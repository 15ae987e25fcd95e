// The page parameters a viewer keeps for its document (paper size, margins, zoom), and their
// RVF form: one "Name=value" line per parameter that differs from its default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

enum TRVUnits : uint8_t { rvuInches, rvuCentimeters, rvuMillimeters, rvuPicas, rvuPixels, rvuPoints };
enum TPrinterOrientation : uint8_t { poPortrait, poLandscape };
enum TRVZoomMode : uint8_t { rvzmFullPage, rvzmPageWidth, rvzmCustom };

class TRVDocParameters {
public:
    TRVUnits Units = rvuInches;
    TPrinterOrientation Orientation = poPortrait;
    int32_t ZoomPercent = 100;
    TRVZoomMode ZoomMode = rvzmCustom;
    // Lengths in Units.
    double PageWidth = 8.2677165354;
    double PageHeight = 11.692913386;
    double LeftMargin = 1.25;
    double RightMargin = 1.25;
    double TopMargin = 1;
    double BottomMargin = 1;
    double HeaderY = 0.5;
    double FooterY = 0.5;
    bool MirrorMargins = false;

    void Reset() { *this = TRVDocParameters(); }
    bool operator==(const TRVDocParameters&) const = default;

    // Sets the parameter a "Name=value" line names. False when the value does not convert
    // (the reading pass then fails); unknown names, and ordinals that name no value of their
    // type, are ignored.
    bool ReadLine(std::string_view line);
    // The lines of the parameters that differ from their defaults, in the stored order.
    std::vector<std::string> WriteLines() const;
};

// A decimal number in general format with up to 15 significant digits and "." whatever the
// locale; and its reading, which accepts "." whatever the locale.
std::string FormatRvfFloat(double value);
bool ParseRvfFloat(std::string_view text, double& value);
bool ParseRvfInteger(std::string_view text, int32_t& value);

} // namespace vellum
