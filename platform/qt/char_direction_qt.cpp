// Direction classes from Qt's Unicode tables.
#include "platform/char_direction.h"

#include <QChar>

namespace platform {
namespace {

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

char32_t Combine(char16_t high, char16_t low)
{
    return 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
}

} // namespace

CharDirection DirectionOfChar(char32_t c)
{
    switch (QChar::direction(c)) {
    case QChar::DirL:
        return CharDirection::LeftToRight;
    case QChar::DirR:
    case QChar::DirAL:
        return CharDirection::RightToLeft;
    default:
        return CharDirection::Neutral;
    }
}

CharDirection FirstCharDirection(std::u16string_view text)
{
    if (text.empty())
        return CharDirection::Neutral;
    if (text.size() >= 2 && IsHighSurrogate(text[0]) && IsLowSurrogate(text[1]))
        return DirectionOfChar(Combine(text[0], text[1]));
    return DirectionOfChar(text[0]);
}

CharDirection LastCharDirection(std::u16string_view text)
{
    if (text.empty())
        return CharDirection::Neutral;
    const size_t n = text.size();
    if (n >= 2 && IsHighSurrogate(text[n - 2]) && IsLowSurrogate(text[n - 1]))
        return DirectionOfChar(Combine(text[n - 2], text[n - 1]));
    return DirectionOfChar(text[n - 1]);
}

CharDirection FirstCharDirection(std::string_view bytes, CodePage codePage)
{
    const size_t end = NextCharBoundary(codePage, bytes, 0);
    return FirstCharDirection(ToUtf16(bytes.substr(0, end), codePage));
}

CharDirection LastCharDirection(std::string_view bytes, CodePage codePage)
{
    const size_t start = PrevCharBoundary(codePage, bytes, bytes.size());
    return LastCharDirection(ToUtf16(bytes.substr(start), codePage));
}

} // namespace platform
