#include "vellum/rvf/rv_doc_parameters.h"

#include <charconv>
#include <cmath>

namespace vellum {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string_view WithoutPlus(std::string_view s)
{
    if (s.size() > 1 && s.front() == '+' && s[1] != '-')
        s.remove_prefix(1);
    return s;
}

// Ordinal parameters: the number must convert; one outside the type keeps the old value.
template <typename E>
bool ReadOrdinal(std::string_view text, E& field, int32_t count)
{
    int32_t value = 0;
    if (!ParseRvfInteger(text, value))
        return false;
    if (value >= 0 && value < count)
        field = static_cast<E>(value);
    return true;
}

struct LengthField {
    std::string_view Name;
    double TRVDocParameters::*Field;
    double Default;
};

constexpr LengthField kLengths[] = {
    {"PageHeight", &TRVDocParameters::PageHeight, 11.692913386},
    {"PageWidth", &TRVDocParameters::PageWidth, 8.2677165354},
    {"LeftMargin", &TRVDocParameters::LeftMargin, 1.25},
    {"RightMargin", &TRVDocParameters::RightMargin, 1.25},
    {"TopMargin", &TRVDocParameters::TopMargin, 1},
    {"BottomMargin", &TRVDocParameters::BottomMargin, 1},
    {"HeaderY", &TRVDocParameters::HeaderY, 0.5},
    {"FooterY", &TRVDocParameters::FooterY, 0.5},
};

std::string Line(std::string_view name, const std::string& value)
{
    return std::string(name) + "=" + value;
}

} // namespace

std::string FormatRvfFloat(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

bool ParseRvfFloat(std::string_view text, double& value)
{
    text = WithoutPlus(Trim(text));
    double parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ParseRvfInteger(std::string_view text, int32_t& value)
{
    text = WithoutPlus(Trim(text));
    int32_t parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

bool TRVDocParameters::ReadLine(std::string_view line)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return true;
    const std::string_view name = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1);
    if (name == "Units")
        return ReadOrdinal(value, Units, 6);
    if (name == "Orientation")
        return ReadOrdinal(value, Orientation, 2);
    if (name == "ZoomMode")
        return ReadOrdinal(value, ZoomMode, 3);
    if (name == "ZoomPercent")
        return ParseRvfInteger(value, ZoomPercent);
    if (name == "MirrorMargins") {
        MirrorMargins = value != "0";
        return true;
    }
    for (const LengthField& f : kLengths) {
        if (name == f.Name)
            return ParseRvfFloat(value, this->*f.Field);
    }
    return true;
}

std::vector<std::string> TRVDocParameters::WriteLines() const
{
    std::vector<std::string> lines;
    if (Units != rvuInches)
        lines.push_back(Line("Units", std::to_string(Units)));
    if (Orientation != poPortrait)
        lines.push_back(Line("Orientation", std::to_string(Orientation)));
    for (const LengthField& f : kLengths) {
        if (this->*f.Field != f.Default)
            lines.push_back(Line(f.Name, FormatRvfFloat(this->*f.Field)));
    }
    if (ZoomPercent != 100)
        lines.push_back(Line("ZoomPercent", std::to_string(ZoomPercent)));
    if (ZoomMode != rvzmCustom)
        lines.push_back(Line("ZoomMode", std::to_string(ZoomMode)));
    if (MirrorMargins)
        lines.push_back(Line("MirrorMargins", "1"));
    return lines;
}

} // namespace vellum
