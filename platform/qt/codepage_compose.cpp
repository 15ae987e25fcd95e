// Composition of base characters and nonspacing marks before encoding, on Qt's Unicode tables.
#include "platform/codepage.h"

#include <QChar>
#include <QString>

#include <algorithm>

namespace platform {
namespace {

bool IsNonspacingMark(char16_t c)
{
    return QChar::category(char32_t(c)) == QChar::Mark_NonSpacing;
}

bool IsSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

bool IsEncodable(char16_t c, CodePage codePage)
{
    bool lossy = false;
    FromUtf16(std::u16string_view(&c, 1), codePage, &lossy);
    return !lossy;
}

// The one precomposed character for BASE followed by MARK, or 0.
char16_t Composed(char16_t base, char16_t mark)
{
    if (IsSurrogate(base))
        return 0;
    const char16_t pair[2] = {base, mark};
    const QString composed =
        QString::fromUtf16(pair, 2).normalized(QString::NormalizationForm_C);
    return composed.size() == 1 ? char16_t(composed[0].unicode()) : 0;
}

} // namespace

std::string FromUtf16Composed(std::u16string_view text, CodePage codePage, bool* lossy)
{
    if (std::none_of(text.begin(), text.end(), IsNonspacingMark))
        return FromUtf16(text, codePage, lossy);
    std::u16string prepared;
    prepared.reserve(text.size());
    for (const char16_t c : text) {
        if (!IsNonspacingMark(c)) {
            prepared.push_back(c);
            continue;
        }
        const char16_t composed = prepared.empty() ? 0 : Composed(prepared.back(), c);
        if (composed != 0 && IsEncodable(composed, codePage))
            prepared.back() = composed;
        else if (IsEncodable(c, codePage))
            prepared.push_back(c);
    }
    return FromUtf16(prepared, codePage, lossy);
}

} // namespace platform
