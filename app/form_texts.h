// The fixed captions of the main window. Three explanatory labels have a short form for work
// areas narrower than kShortTextWidth, where the long sentences would run off the window.
#pragma once

#include <QString>

namespace wenlocke {

inline constexpr int kShortTextWidth = 900;

struct ExplanatoryTexts {
    QString label8;
    QString label9;
    QString label4; // three lines separated by '\n'
};

ExplanatoryTexts LongExplanatoryTexts();
ExplanatoryTexts ShortExplanatoryTexts();
// The short forms below kShortTextWidth, the long ones from it on.
ExplanatoryTexts ExplanatoryTextsForWidth(int workAreaWidth);

namespace form_text {
inline constexpr const char16_t* kCaption = u"Wenlocke";
inline constexpr const char16_t* kLabel1 = u"Wenlocke(本工具属于历史保存系统)";
inline constexpr const char16_t* kLabel2 =
    u"（备注：点击下面列表，选择记事本，点击相应时间，找回相应时间保存的具体记事本内容）";
inline constexpr const char16_t* kGroupBox1 = u"历史保存系统（包括本工具）说明和设置";
inline constexpr const char16_t* kGroupBox2 = u"其他保存系统（不包括本工具）说明";
inline constexpr const char16_t* kLabel5 = u"历史保存系统设置：每隔";
inline constexpr const char16_t* kLabel6 = u"分钟保存一次，每个记事本最多保存";
inline constexpr const char16_t* kLabel7 = u"个历史备份";
inline constexpr const char16_t* kButton1 = u"确认";
inline constexpr const char16_t* kEdit1Default = u"3";
inline constexpr const char16_t* kEdit2Default = u"50";
// Label3 names the open snapshot with this prefix and the row's text.
inline constexpr const char16_t* kOpenSnapshotPrefix = u"现在打开的文档是：";
} // namespace form_text

} // namespace wenlocke
