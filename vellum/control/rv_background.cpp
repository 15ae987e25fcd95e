#include "vellum/control/rv_background.h"

#include "platform/canvas.h"
#include "platform/picture.h"

namespace vellum {
namespace {

bool IsPlacedStyle(TBackgroundStyle style)
{
    return style >= bsCentered && style <= bsBottomRight;
}

bool CoversWholeArea(TBackgroundStyle style)
{
    return style == bsStretched || style == bsTiled || style == bsTiledAndScrolled;
}

// Where a placed style puts a picture PW x PH in a client area W x H.
platform::Point PlacedCorner(TBackgroundStyle style, platform::Size client, int pw, int ph)
{
    switch (style) {
    case bsCentered: return {(client.cx - pw) / 2, (client.cy - ph) / 2};
    case bsTopRight: return {client.cx - pw, 0};
    case bsBottomLeft: return {0, client.cy - ph};
    case bsBottomRight: return {client.cx - pw, client.cy - ph};
    case bsTopLeft:
    case bsNoBitmap:
    case bsStretched:
    case bsTiled:
    case bsTiledAndScrolled: return {0, 0};
    }
    return {0, 0};
}

} // namespace

TBackgroundStyle BackgroundStyleFromOrdinal(int32_t ordinal)
{
    if (ordinal < bsNoBitmap || ordinal > bsBottomRight)
        return bsNoBitmap;
    return static_cast<TBackgroundStyle>(ordinal);
}

int BackgroundStyleToKind(TBackgroundStyle style)
{
    switch (style) {
    case bsNoBitmap: return 0;
    case bsStretched: return 1;
    case bsTiled:
    case bsTiledAndScrolled: return 2;
    case bsCentered:
    case bsTopLeft:
    case bsTopRight:
    case bsBottomLeft:
    case bsBottomRight: return 3;
    }
    return 0;
}

TBackgroundStyle BackgroundStyleFromKind(int kind)
{
    switch (kind) {
    case 0: return bsNoBitmap;
    case 1: return bsStretched;
    case 3: return bsCentered;
    default: return bsTiled;
    }
}

// ---- The picture ------------------------------------------------------------------------------

void TRVBackground::SetPicture(PicturePtr picture, bool copy)
{
    // Palette displays do not exist here, so there is no palette copy to prepare.
    FPicture = std::move(picture);
}

void BackgroundReadResult::Attach(RvfReadTargets& targets)
{
    targets.BackgroundStyle = &style;
    targets.BackgroundPicture = &picture;
}

void TRVBackground::TakeReadResult(BackgroundReadResult&& result)
{
    if (result.style == BackgroundReadResult::kNoBackgroundRecord)
        return;
    BackStyle = BackgroundStyleFromOrdinal(result.style);
    SetPicture(std::move(result.picture));
}

bool TRVBackground::HasPicture() const
{
    return FPicture && FPicture->Width() > 0 && FPicture->Height() > 0;
}

// A background record always holds a bitmap without transparency keys, so bitmaps and JPEGs
// count as opaque; icons and metafiles draw through their own transparency.
bool TRVBackground::PictureIsOpaque() const
{
    const platform::PictureFormat format = FPicture->Format();
    return format == platform::PictureFormat::Bitmap || format == platform::PictureFormat::Jpeg;
}

bool TRVBackground::ScrollsByRepaint() const
{
    return HasPicture() && BackStyle != bsNoBitmap && BackStyle != bsTiledAndScrolled;
}

bool TRVBackground::IsEmpty() const
{
    return BackStyle == bsNoBitmap && !HasPicture();
}

bool TRVBackground::NeedsColorUnderPicture() const
{
    return HasPicture() && (!PictureIsOpaque() || IsPlacedStyle(BackStyle));
}

bool TRVBackground::PictureCoversArea() const
{
    return HasPicture() && PictureIsOpaque() && CoversWholeArea(BackStyle);
}

// ---- Painting ---------------------------------------------------------------------------------

void TRVBackground::Paint(platform::Canvas& canvas, const platform::Rect& area, platform::Color color,
                          platform::Size client, platform::Point docOrigin) const
{
    if (area.IsEmpty())
        return;
    if (color != clNone && !PictureCoversArea())
        canvas.FillRect(area, color);
    if (HasPicture())
        PaintPicture(canvas, area, client, docOrigin);
}

void TRVBackground::PaintPicture(platform::Canvas& canvas, const platform::Rect& area,
                                 platform::Size client, platform::Point docOrigin) const
{
    const int pw = FPicture->Width();
    const int ph = FPicture->Height();
    switch (BackStyle) {
    case bsNoBitmap: return;
    case bsStretched: PlacePicture(canvas, area, {0, 0, client.cx, client.cy}); return;
    case bsTiled: canvas.TilePicture(*FPicture, area, {0, 0}); return;
    case bsTiledAndScrolled:
        canvas.TilePicture(*FPicture, area, {-docOrigin.x, -docOrigin.y});
        return;
    case bsCentered:
    case bsTopLeft:
    case bsTopRight:
    case bsBottomLeft:
    case bsBottomRight: {
        const platform::Point at = PlacedCorner(BackStyle, client, pw, ph);
        PlacePicture(canvas, area, {at.x, at.y, at.x + pw, at.y + ph});
        return;
    }
    }
}

// Draws the picture into PLACED, cut to AREA; nothing when the two do not meet.
void TRVBackground::PlacePicture(platform::Canvas& canvas, const platform::Rect& area,
                                 const platform::Rect& placed) const
{
    if (platform::IntersectRects(area, placed).IsEmpty())
        return;
    canvas.PushClip();
    canvas.IntersectClip(area);
    if (placed.Width() == FPicture->Width() && placed.Height() == FPicture->Height())
        canvas.DrawPicture(*FPicture, placed.left, placed.top);
    else
        canvas.StretchPicture(*FPicture, placed);
    canvas.PopClip();
}

} // namespace vellum
