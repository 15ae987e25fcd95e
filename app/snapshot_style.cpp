#include "app/snapshot_style.h"

namespace wenlocke {

using namespace vellum;

void SetupSnapshotStyle(TRVStyle& style)
{
    struct TextRow {
        const char16_t* name;
        FontStyles fontStyle;
        platform::Color color;
        bool jump;
    };
    static const TextRow kText[] = {
        {u"Normal text", {}, clWindowText, false},
        {u"Heading", {fsBold}, clBlue, false},
        {u"Subheading", {fsBold}, clNavy, false},
        {u"Keywords", {fsItalic}, clMaroon, false},
        {u"Jump 1", {fsUnderline}, clGreen, true},
        {u"Jump 2", {fsUnderline}, clGreen, true},
    };
    style.TextStyles().Clear();
    for (const TextRow& row : kText) {
        TFontInfo& info = style.TextStyles().Add();
        info.StyleName = row.name;
        info.FontName = u"Arial";
        info.Style = row.fontStyle;
        info.Color = row.color;
        info.Jump = row.jump;
    }
    style.ParaStyles().Clear();
    style.ParaStyles().Add().StyleName = u"Paragraph Style";
    TParaInfo& centered = style.ParaStyles().Add();
    centered.StyleName = u"Centered";
    centered.Alignment = rvaCenter;
    style.ListStyles().Clear();
}

SnapshotDocument::SnapshotDocument()
{
    SetupSnapshotStyle(Style);
    DocumentSettings& settings = Data.Settings();
    settings.Style = &Style;
    settings.RVFOptions = kSnapshotRvfOptions;
    settings.Options &= ~OptionBit<TRVOptions>(rvoTagsArePChars);
    settings.DocProperties = &Properties;
    settings.DocParameters = &Parameters;
}

} // namespace wenlocke
