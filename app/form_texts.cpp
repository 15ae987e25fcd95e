#include "app/form_texts.h"

namespace wenlocke {
namespace {

const char16_t* const kLabel4Line1 =
    u"云保存系统说明：主要通过强大的云服务器同步，让记事本使用者随时随地的打开记事本，"
    u"在任何地方任何机器文档内容都保持同步。";
const char16_t* const kLabel4Line2 =
    u"本地保存系统说明：用户每输入一个字或者标点符号等，本机自动保存，属于正常的实时本机保存。";

QString Label4(const char16_t* line3)
{
    return QString::fromUtf16(kLabel4Line1) + u'\n' + QString::fromUtf16(kLabel4Line2) + u'\n'
        + QString::fromUtf16(line3);
}

} // namespace

ExplanatoryTexts LongExplanatoryTexts()
{
    return {
        QString::fromUtf16(u"历史保存系统说明：历史保存系统每隔几分钟对编辑的文档进行保存，在本机保存。"
                           u"通过本工具，可以找回过去曾经编辑过的文档备份和编辑的过程。"),
        QString::fromUtf16(u"注：如果备份数目调大，需保证本机硬盘容量足够大。"),
        Label4(u"突发意外保存系统说明：发生断电、断网、死机等各种意外情况，再次打开记事本，"
               u"自动回到上次的编辑状态，而数据等设置依然和上次编辑一样，最全面的保障用户文档的安全。"),
    };
}

ExplanatoryTexts ShortExplanatoryTexts()
{
    return {
        QString::fromUtf16(u"历史保存系统说明：历史保存系统每隔几分钟对编辑的文档进行保存，在本机保存。"
                           u"通过本工具，可以找回过去曾经编辑过的文档。"),
        QString::fromUtf16(u"注：调高备份数目需保证硬盘足够大。"),
        Label4(u"突发意外保存系统说明：发生断电、断网、死机等各种意外情况，再次打开记事本，"
               u"自动回到上次的编辑状态，保障用户文档的安全。"),
    };
}

ExplanatoryTexts ExplanatoryTextsForWidth(int workAreaWidth)
{
    return workAreaWidth < kShortTextWidth ? ShortExplanatoryTexts() : LongExplanatoryTexts();
}

} // namespace wenlocke
