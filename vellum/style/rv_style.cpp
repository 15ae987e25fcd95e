#include "vellum/style/rv_style.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/picture.h"
#include "vellum/style/cursors.h"

namespace vellum {

TRVStyle::TRVStyle()
{
    // 1. Pointer shapes; every new style sheet registers them again.
    RegisterCursor(crJump, CursorImage::PlatformHand);
    RegisterCursor(crRVFlipArrow, CursorImage::FlipArrow);
    // 2. The settings have their defaults from their declarations.
    // 3. Tables and templates.
    CreateTables();
    // 4, 5. The default styles.
    LoadDefaultParaStyles();
    LoadDefaultTextStyles();
}

TRVStyle::~TRVStyle()
{
    // A client may remove itself while it is told; work on a copy.
    std::vector<StyleClient*> clients;
    clients.swap(FClients);
    for (StyleClient* client : clients)
        client->StyleSheetDestroyed(*this);
}

void TRVStyle::AddClient(StyleClient* client)
{
    if (client && std::find(FClients.begin(), FClients.end(), client) == FClients.end())
        FClients.push_back(client);
}

void TRVStyle::RemoveClient(StyleClient* client)
{
    FClients.erase(std::remove(FClients.begin(), FClients.end(), client), FClients.end());
}

void TRVStyle::CreateTables()
{
    FTextStyles = NewTextStyles();
    FParaStyles = NewParaStyles();
    FListStyles = NewListStyles();
    FStyleTemplates = std::make_unique<TRVStyleTemplateCollection>(this);
}

std::unique_ptr<TFontInfos> TRVStyle::NewTextStyles()
{
    return std::make_unique<TFontInfos>(this, TextStyleClass());
}

std::unique_ptr<TParaInfos> TRVStyle::NewParaStyles()
{
    return std::make_unique<TParaInfos>(this, ParaStyleClass());
}

std::unique_ptr<TRVListInfos> TRVStyle::NewListStyles()
{
    return std::make_unique<TRVListInfos>(this, ListStyleClass());
}

FontInfoClass TRVStyle::TextStyleClass() const
{
    return []() { return std::make_unique<TFontInfo>(); };
}

ParaInfoClass TRVStyle::ParaStyleClass() const
{
    return []() { return std::make_unique<TParaInfo>(); };
}

ListInfoClass TRVStyle::ListStyleClass() const
{
    return []() { return std::make_unique<TRVListInfo>(); };
}

void TRVStyle::LoadDefaultParaStyles()
{
    ParaStyles().Clear();
    ParaStyles().Add();
    TParaInfo& centered = ParaStyles().Add();
    centered.StyleName = u"Centered";
    centered.Alignment = rvaCenter;
}

void TRVStyle::LoadDefaultTextStyles()
{
    struct Row {
        const char16_t* name;
        FontStyle style;
        platform::Color color;
        bool jump;
    };
    static constexpr Row kRows[] = {
        {u"Heading", fsBold, clBlue, false},     {u"Subheading", fsBold, clNavy, false},
        {u"Keywords", fsItalic, clMaroon, false}, {u"Jump 1", fsUnderline, clGreen, true},
        {u"Jump 2", fsUnderline, clGreen, true},
    };
    TextStyles().Clear();
    TextStyles().Add().StyleName = u"Normal text";
    for (const Row& row : kRows) {
        TFontInfo& font = TextStyles().Add();
        font.StyleName = row.name;
        font.Style = {row.style};
        font.Color = row.color;
        font.Jump = row.jump;
        if (row.jump)
            font.JumpCursor = JumpCursor;
    }
}

const platform::Picture& TRVStyle::InvalidPicture()
{
    if (!FInvalidPicture)
        FInvalidPicture = MakeBuiltInInvalidPicture();
    return *FInvalidPicture;
}

void TRVStyle::SetInvalidPicture(const platform::Picture* picture)
{
    FInvalidPicture = picture ? std::make_unique<platform::Picture>(*picture) : nullptr;
}

TRVCodePage TRVStyle::DefaultCodePage() const
{
    return DefCodePage != 0 ? DefCodePage : platform::SystemCodePage();
}

TRVCodePage TRVStyle::CharsetCodePage(FontCharset charset) const
{
    if (charset == DEFAULT_CHARSET)
        return DefaultCodePage();
    return platform::CodePageOfCharset(charset);
}

TRVCodePage TRVStyle::StyleCodePage(int styleNo) const
{
    return CharsetCodePage(TextStyles()[styleNo].Charset);
}

void TRVStyle::ApplyStyle(platform::Canvas& canvas, int styleNo, bool ignoreScript,
                          std::optional<int> scriptHeight, bool useStylePixelsPerInch,
                          TRVBiDiMode defBiDiMode)
{
    if (OnApplyStyle) {
        bool doDefault = true;
        OnApplyStyle(*this, canvas, styleNo, doDefault);
        if (!doDefault)
            return;
    }
    TextStyles()[styleNo].Apply(canvas, defBiDiMode, ignoreScript, scriptHeight, useStylePixelsPerInch);
}

bool TRVStyle::HoverSensitive(int styleNo)
{
    const TFontInfo& s = TextStyles()[styleNo];
    bool sensitive = EffectiveHoverColor(s.HoverColor) != clNone || s.HoverBackColor != s.BackColor ||
                     s.HoverUnderlineColor != clNone || !s.HoverEffects.Empty();
    if (OnStyleHoverSensitive)
        OnStyleHoverSensitive(*this, styleNo, sensitive);
    return sensitive;
}

void TRVStyle::DrawCheckpoint(platform::Canvas& canvas, int x, int y, int itemNo, int xShift, bool raiseEvent,
                              TCustomVellum* control, TCustomRVData* document, int lineLeft, int lineWidth)
{
    ContextItemNo = itemNo;
    ContextDocument = document;
    bool doDefault = true;
    if (OnDrawCheckpoint)
        OnDrawCheckpoint(*this, canvas, x, y, itemNo, xShift, raiseEvent, control, doDefault);
    platform::Pen pen;
    pen.color = raiseEvent ? CheckpointEvColor : CheckpointColor;
    if (doDefault) {
        canvas.SetPen(pen);
        canvas.SetBrush(clNone);
        if (itemNo != -1)
            canvas.Ellipse({x - 2, y - 2, x + 2, y + 2});
        pen.style = platform::PenStyle::Dot;
        canvas.SetPen(pen);
        canvas.Line({lineLeft - xShift, y}, {lineLeft + lineWidth - xShift, y});
    }
    pen.style = platform::PenStyle::Solid;
    canvas.SetPen(pen);
    canvas.SetBrush(clNone);
}

void TRVStyle::DrawPageBreak(platform::Canvas& canvas, int y, int itemNo, TCustomRVData* document,
                             TCustomVellum* control, TRVPageBreakType pageBreakType, int xShift, int displayWidth)
{
    ContextItemNo = itemNo;
    ContextDocument = document;
    bool doDefault = true;
    if (OnDrawPageBreak)
        OnDrawPageBreak(*this, canvas, y, xShift, pageBreakType, control, doDefault);
    platform::Pen pen;
    pen.color = pageBreakType == rvpbPageBreak ? PageBreakColor : SoftPageBreakColor;
    canvas.SetPen(pen);
    if (doDefault) {
        // The line stops where an 8-pixel triangle at the right edge begins.
        int right = displayWidth - xShift - 8;
        canvas.Line({-xShift, y}, {right, y});
        canvas.SetBrush(clWindow);
        const platform::Point corners[] = {{right, y}, {right + 8, y + 8}, {right, y + 8}};
        canvas.Polygon(corners);
    }
    canvas.SetBrush(clNone);
}

void TRVStyle::DrawParaBack(platform::Canvas& canvas, int paraNo, const platform::Rect& rect,
                            ColorMode colorMode)
{
    bool doDefault = true;
    if (OnDrawParaBack)
        OnDrawParaBack(*this, canvas, paraNo, rect, doDefault);
    if (doDefault)
        ParaStyles()[paraNo].Background.Draw(rect, canvas, colorMode);
}

void TRVStyle::DrawTextBack(platform::Canvas& canvas, int styleNo, int left, int top, int width, int height,
                            TRVTextDrawStates drawState)
{
    bool doDefault = true;
    if (OnDrawTextBack)
        OnDrawTextBack(*this, canvas, styleNo, left, top, width, height, drawState, doDefault);
}

void TRVStyle::Loaded()
{
    FLoading = false;
    FStyleTemplates->ResolveParents();
}

void TRVStyle::RemoveImageList(const RvImageList* imageList)
{
    FListStyles->RemoveImageList(imageList);
}

} // namespace vellum
