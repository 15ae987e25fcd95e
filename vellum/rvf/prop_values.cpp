#include "vellum/rvf/prop_values.h"

#include <cmath>
#include <cstring>
#include <span>

namespace vellum {

namespace {

struct IdentEntry {
    std::string_view Name;
    int32_t Value;
};

constexpr int32_t Sys(int index)
{
    return static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(index));
}

// Where several names share a value, the first one is the one written.
constexpr IdentEntry kColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", Sys(0x0A)},
    {"clActiveCaption", Sys(0x02)},
    {"clAppWorkSpace", Sys(0x0C)},
    {"clBackground", Sys(0x01)},
    {"clBtnFace", Sys(0x0F)},
    {"clBtnHighlight", Sys(0x14)},
    {"clBtnShadow", Sys(0x10)},
    {"clBtnText", Sys(0x12)},
    {"clCaptionText", Sys(0x09)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", Sys(0x1B)},
    {"clGradientInactiveCaption", Sys(0x1C)},
    {"clGrayText", Sys(0x11)},
    {"clHighlight", Sys(0x0D)},
    {"clHighlightText", Sys(0x0E)},
    {"clHotLight", Sys(0x1A)},
    {"clInactiveBorder", Sys(0x0B)},
    {"clInactiveCaption", Sys(0x03)},
    {"clInactiveCaptionText", Sys(0x13)},
    {"clInfoBk", Sys(0x18)},
    {"clInfoText", Sys(0x17)},
    {"clMenu", Sys(0x04)},
    {"clMenuBar", Sys(0x1E)},
    {"clMenuHighlight", Sys(0x1D)},
    {"clMenuText", Sys(0x07)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", Sys(0x00)},
    {"cl3DDkShadow", Sys(0x15)},
    {"cl3DLight", Sys(0x16)},
    {"clWindow", Sys(0x05)},
    {"clWindowFrame", Sys(0x06)},
    {"clWindowText", Sys(0x08)},
};

constexpr IdentEntry kCharsets[] = {
    {"ANSI_CHARSET", 0},         {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},         {"SHIFTJIS_CHARSET", 128},   {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},      {"GB2312_CHARSET", 134},     {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},      {"TURKISH_CHARSET", 162},    {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178},     {"BALTIC_CHARSET", 186},     {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},       {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

constexpr IdentEntry kCursors[] = {
    {"crDefault", 0},      {"crArrow", -2},       {"crCross", -3},      {"crIBeam", -4},
    {"crSizeNESW", -6},    {"crSizeNS", -7},      {"crSizeNWSE", -8},   {"crSizeWE", -9},
    {"crUpArrow", -10},    {"crHourGlass", -11},  {"crDrag", -12},      {"crNoDrop", -13},
    {"crHSplit", -14},     {"crVSplit", -15},     {"crMultiDrag", -16}, {"crSQLWait", -17},
    {"crNo", -18},         {"crAppStart", -19},   {"crHelp", -20},      {"crHandPoint", -21},
    {"crSizeAll", -22},    {"crSize", -22},
};

std::span<const IdentEntry> TableOf(IntegerNameTable table)
{
    switch (table) {
    case IntegerNameTable::None: return {};
    case IntegerNameTable::Color: return kColors;
    case IntegerNameTable::Charset: return kCharsets;
    case IntegerNameTable::Cursor: return kCursors;
    }
    return {};
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<int32_t> IdentToInteger(IntegerNameTable table, std::string_view name)
{
    for (const IdentEntry& e : TableOf(table)) {
        if (SameText(e.Name, name))
            return e.Value;
    }
    return std::nullopt;
}

std::optional<std::string_view> IntegerToIdent(IntegerNameTable table, int32_t value)
{
    for (const IdentEntry& e : TableOf(table)) {
        if (e.Value == value)
            return e.Name;
    }
    return std::nullopt;
}

IntegerRange IntegerRangeOf(IntegerNameTable table)
{
    switch (table) {
    case IntegerNameTable::Charset: return {0, 255};
    case IntegerNameTable::Cursor: return {INT16_MIN, INT16_MAX};
    case IntegerNameTable::None:
    case IntegerNameTable::Color: return {INT32_MIN, INT32_MAX};
    }
    return {INT32_MIN, INT32_MAX};
}

double ExtendedToDouble(const std::array<uint8_t, 10>& b)
{
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | b[static_cast<size_t>(i)];
    const int exponent = ((b[9] & 0x7F) << 8) | b[8];
    const bool negative = (b[9] & 0x80) != 0;
    double value = 0;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else if (mantissa != 0)
        // Denormals (exponent 0) use the smallest exponent, as the format defines them.
        value = std::ldexp(static_cast<double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
    return negative ? -value : value;
}

std::array<uint8_t, 10> DoubleToExtended(double value)
{
    std::array<uint8_t, 10> out{};
    const bool negative = std::signbit(value);
    uint64_t mantissa = 0;
    int exponent = 0;
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int e = 0;
        double fraction = std::frexp(std::fabs(value), &e); // in [0.5, 1)
        mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
        exponent = e - 1 + 16383;
    }
    for (size_t i = 0; i < 8; ++i)
        out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    out[8] = static_cast<uint8_t>(exponent & 0xFF);
    out[9] = static_cast<uint8_t>(((exponent >> 8) & 0x7F) | (negative ? 0x80 : 0));
    return out;
}

} // namespace vellum
