// The style sheet: the three numbered style tables, the style templates, the display settings
// that every linked viewer shares, and the drawing hooks that first offer their work to an
// event handler.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "vellum/rv_types.h"
#include "vellum/style/font_info.h"
#include "vellum/style/list_info.h"
#include "vellum/style/para_info.h"
#include "vellum/style/style_template.h"
#include "vellum/style/style_types.h"
#include "vellum/style/tab_stop.h"

namespace platform {
class Canvas;
class Picture;
struct Rect;
} // namespace platform

namespace vellum {

class TCustomRVData;
class TCustomVellum;

class TRVStyle;

// One part of a text run as DrawStyleText gets it.
struct StyleTextPart {
    // The characters in display form without zero-width characters: UTF-16LE when UNICODE.
    std::string_view text;
    bool unicode = false;
    // The part's cell: WIDTH includes the justification gap GAPBEFORE, which lies at its left.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int gapBefore = 0;
    TRVTextDrawStates drawState;
    bool printing = false;
    // With reference metrics, the canvas the character advances are measured on; none: the
    // text is drawn with the canvas's own advances.
    platform::Canvas* referenceCanvas = nullptr;
    // The run is empty: a selected empty run fills its gap in its unselected colours.
    bool emptyRun = false;
    // What is drawn, for the handler (ContextDocument, ContextItemNo, ContextOffset).
    TCustomRVData* document = nullptr;
    int itemNo = -1;
    int offset = 0;
};

// A viewer that refers to a style sheet without owning it; it is told when the sheet goes away
// so that it can drop its reference.
class StyleClient {
public:
    virtual ~StyleClient() = default;
    virtual void StyleSheetDestroyed(TRVStyle& sheet) = 0;
};

enum TRVSelectionMode : uint8_t { rvsmChar, rvsmWord, rvsmParagraph };
enum TRVSelectionStyle : uint8_t { rvssItems, rvssLines };
enum TRVFieldHighlightType : uint8_t { rvfhNever, rvfhCurrent, rvfhAlways };

class TRVStyle {
public:
    TRVStyle();
    virtual ~TRVStyle();
    TRVStyle(const TRVStyle&) = delete;
    TRVStyle& operator=(const TRVStyle&) = delete;

    // ---- Tables. Numbers outside the text and paragraph tables answer their fallback styles.
    TFontInfos& TextStyles() { return *FTextStyles; }
    const TFontInfos& TextStyles() const { return *FTextStyles; }
    TParaInfos& ParaStyles() { return *FParaStyles; }
    const TParaInfos& ParaStyles() const { return *FParaStyles; }
    TRVListInfos& ListStyles() { return *FListStyles; }
    const TRVListInfos& ListStyles() const { return *FListStyles; }
    TRVStyleTemplateCollection& StyleTemplates() { return *FStyleTemplates; }
    const TRVStyleTemplateCollection& StyleTemplates() const { return *FStyleTemplates; }
    // Copy item by item; assigning a table to itself does nothing.
    void SetTextStyles(const TFontInfos& value) { FTextStyles->AssignFrom(value); }
    void SetParaStyles(const TParaInfos& value) { FParaStyles->AssignFrom(value); }
    void SetListStyles(const TRVListInfos& value) { FListStyles->AssignFrom(value); }
    void SetStyleTemplates(const TRVStyleTemplateCollection& value) { FStyleTemplates->Assign(value); }

    // Empty tables of this style sheet's classes, for reading a stored table before it is
    // assigned or merged.
    std::unique_ptr<TFontInfos> NewTextStyles();
    std::unique_ptr<TParaInfos> NewParaStyles();
    std::unique_ptr<TRVListInfos> NewListStyles();

    // ---- Settings.
    int32_t SpacesInTab = 0;
    int32_t DefTabWidth = 48;
    CursorId JumpCursor = crJump;
    CursorId LineSelectCursor = crRVFlipArrow;
    bool FullRedraw = false;
    bool UseSound = true;
    platform::Color Color = clWindow;
    platform::Color HoverColor = clNone;
    platform::Color CurrentItemColor = clNone;
    platform::Color SelColor = clHighlight;
    platform::Color SelTextColor = clHighlightText;
    platform::Color InactiveSelColor = clHighlight;
    platform::Color InactiveSelTextColor = clHighlightText;
    platform::Color CheckpointColor = clGreen;
    platform::Color CheckpointEvColor = clLime;
    platform::Color PageBreakColor = clBtnShadow;
    platform::Color SoftPageBreakColor = clBtnFace;
    platform::Color LiveSpellingColor = clRed;
    TRVSelectionMode SelectionMode = rvsmWord;
    TRVSelectionStyle SelectionStyle = rvssItems;
    platform::Color FieldHighlightColor = clBtnFace;
    TRVFieldHighlightType FieldHighlightType = rvfhCurrent;
    TRVSeqType FootnoteNumbering = rvseqDecimal;
    TRVSeqType EndnoteNumbering = rvseqLowerRoman;
    bool FootnotePageReset = true;
    int32_t DefUnicodeStyle = -1;
    TRVCodePage DefCodePage = 0;

    // The picture shown for one that cannot be loaded; the built-in bitmap unless one was set.
    const platform::Picture& InvalidPicture();
    // Copies PICTURE; null drops the held picture so that the built-in one is made again.
    void SetInvalidPicture(const platform::Picture* picture);

    // ---- Code pages. The code page of 8-bit text in text style STYLENO: the style sheet's
    // (DefCodePage, 0 meaning the system's) for the default character set, else the one of the
    // style's character set.
    TRVCodePage DefaultCodePage() const;
    TRVCodePage StyleCodePage(int styleNo) const;
    TRVCodePage CharsetCodePage(FontCharset charset) const;

    // ---- Services.
    platform::Color EffectiveHoverColor(platform::Color color) const { return color == clNone ? HoverColor : color; }
    bool HoverSensitive(int styleNo);
    // The stop that a tab reaches in paragraph style PARANO (see tab_stop.h).
    TabStop FindTabStop(int paraNo, const TabStopQuery& query) const;

    // ---- Events. Each drawing hook raises its event first; DoDefault enters true.
    std::function<void(TRVStyle& sender, platform::Canvas& canvas, int styleNo, bool& doDefault)> OnApplyStyle;
    std::function<void(TRVStyle& sender, platform::Canvas& canvas, int styleNo, TRVTextDrawStates drawState,
                       bool& doDefault)>
        OnApplyStyleColor;
    std::function<void(TRVStyle& sender, const TRVRawByteString& s, platform::Canvas& canvas, int styleNo,
                       int spaceBefore, int left, int top, int width, int height, TRVTextDrawStates drawState,
                       bool& doDefault)>
        OnDrawStyleText;
    std::function<void(TRVStyle& sender, int styleNo, bool& sensitive)> OnStyleHoverSensitive;
    std::function<void(TRVStyle& sender, platform::Canvas& canvas, int styleNo, int left, int top, int width,
                       int height, TRVTextDrawStates drawState, bool& doDefault)>
        OnDrawTextBack;
    std::function<void(TRVStyle& sender, platform::Canvas& canvas, int x, int y, int itemNo, int xShift,
                       bool raiseEvent, TCustomVellum* control, bool& doDefault)>
        OnDrawCheckpoint;
    std::function<void(TRVStyle& sender, platform::Canvas& canvas, int y, int xShift, TRVPageBreakType pageBreakType,
                       TCustomVellum* control, bool& doDefault)>
        OnDrawPageBreak;
    std::function<void(TRVStyle& sender, platform::Canvas& canvas, int paraNo, const platform::Rect& rect,
                       bool& doDefault)>
        OnDrawParaBack;

    // What is being drawn while an event runs.
    int ContextItemNo = -1;
    int ContextOffset = 0;
    TCustomRVData* ContextDocument = nullptr;

    // ---- Drawing hooks with their default drawing.
    // Selects text style STYLENO's font on CANVAS (TCustomRVFontInfo::Apply), unless
    // OnApplyStyle is assigned and clears DoDefault. Numbers outside the table apply the
    // fallback style.
    void ApplyStyle(platform::Canvas& canvas, int styleNo, bool ignoreScript,
                    std::optional<int> scriptHeight, bool useStylePixelsPerInch,
                    TRVBiDiMode defBiDiMode);
    // The checkpoint mark: a circle at (X, Y) unless ITEMNO is -1, and a dotted line across the
    // line from LINELEFT over LINEWIDTH pixels, shifted left by XSHIFT.
    void DrawCheckpoint(platform::Canvas& canvas, int x, int y, int itemNo, int xShift, bool raiseEvent,
                        TCustomVellum* control, TCustomRVData* document, int lineLeft, int lineWidth);
    // The page-break mark: a line at Y across DISPLAYWIDTH pixels ending in a small triangle.
    void DrawPageBreak(platform::Canvas& canvas, int y, int itemNo, TCustomRVData* document, TCustomVellum* control,
                       TRVPageBreakType pageBreakType, int xShift, int displayWidth);
    // The background of paragraph style PARANO over RECT (already grown by its offsets).
    void DrawParaBack(platform::Canvas& canvas, int paraNo, const platform::Rect& rect,
                      ColorMode colorMode = rvcmColor);
    // The colours of text style STYLENO in DRAWSTATE: font colour, brush and text background
    // (clear for clNone); a hovered link with the underline effect gets an underlined font.
    void ApplyStyleColor(platform::Canvas& canvas, int styleNo, ColorMode colorMode, bool printing,
                         TRVTextDrawStates drawState);
    // Draws PART in text style STYLENO, whose font and colours are applied on CANVAS: the
    // text, special characters, the justification gap, underline and overline.
    void DrawStyleText(platform::Canvas& canvas, int styleNo, const StyleTextPart& part);
    // Only the event: text backgrounds have no default drawing.
    void DrawTextBack(platform::Canvas& canvas, int styleNo, int left, int top, int width, int height,
                      TRVTextDrawStates drawState);

    // ---- Creation steps, also callable on their own.
    void LoadDefaultTextStyles();
    void LoadDefaultParaStyles();

    // ---- Component life.
    bool Loading() const { return FLoading; }
    void BeginLoading() { FLoading = true; }
    // The end of loading: template parents are resolved from their identifiers.
    void Loaded();
    // Clients are told once, when the style sheet is destroyed.
    void AddClient(StyleClient* client);
    void RemoveClient(StyleClient* client);

    // An image list is going away: every list level forgets it.
    void RemoveImageList(const RvImageList* imageList);

    // The classes the tables are created with; a derived style sheet may answer derived ones.
    virtual FontInfoClass TextStyleClass() const;
    virtual ParaInfoClass ParaStyleClass() const;
    virtual ListInfoClass ListStyleClass() const;

protected:
    // Creates the tables with the classes above; a derived style sheet calls it from its own
    // constructor when it answers other classes (virtual calls do not reach it before).
    void CreateTables();

private:
    std::unique_ptr<TFontInfos> FTextStyles;
    std::unique_ptr<TParaInfos> FParaStyles;
    std::unique_ptr<TRVListInfos> FListStyles;
    std::unique_ptr<TRVStyleTemplateCollection> FStyleTemplates;
    std::unique_ptr<platform::Picture> FInvalidPicture;
    bool FLoading = false;
    std::vector<StyleClient*> FClients;
};

// The bitmap shown in place of a picture that cannot be loaded: 32 x 32, a framed red cross.
std::unique_ptr<platform::Picture> MakeBuiltInInvalidPicture();

} // namespace vellum
