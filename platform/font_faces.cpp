#include "platform/font_faces.h"

#include <algorithm>

namespace platform {
namespace {

const std::vector<std::u16string> kSerifCjk = {u"AR PL UMing CN", u"Noto Serif CJK SC"};
const std::vector<std::u16string> kSansCjk = {u"Noto Sans CJK SC", u"AR PL UMing CN"};

char16_t FoldCase(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

bool SameFace(std::u16string_view a, std::u16string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

} // namespace

const std::vector<FaceSubstitution>& FaceSubstitutions()
{
    static const std::vector<FaceSubstitution> table = {
        {u"宋体", kSerifCjk},
        {u"SimSun", kSerifCjk},
        {u"新宋体", kSerifCjk},
        {u"NSimSun", kSerifCjk},
        {u"黑体", kSansCjk},
        {u"SimHei", kSansCjk},
        {u"微软雅黑", kSansCjk},
        {u"Microsoft YaHei", kSansCjk},
        {u"Arial", {u"Liberation Sans"}},
        {u"Tahoma", {u"Liberation Sans", u"DejaVu Sans"}},
        {u"Times New Roman", {u"Liberation Serif"}},
        {u"Courier New", {u"Liberation Mono"}},
    };
    return table;
}

const std::vector<std::u16string>& SubstituteFamilies(std::u16string_view face)
{
    static const std::vector<std::u16string> none;
    for (const FaceSubstitution& entry : FaceSubstitutions()) {
        if (SameFace(entry.face, face))
            return entry.families;
    }
    return none;
}

const std::vector<std::u16string>& CjkFallbackFamilies()
{
    return kSerifCjk;
}

const std::vector<std::u16string>& SymbolFallbackFamilies()
{
    static const std::vector<std::u16string> symbols = {u"DejaVu Sans", u"Liberation Sans"};
    return symbols;
}

} // namespace platform
