// What lies behind a document: the background colour and, optionally, a picture placed in one
// of eight ways. It also decides whether scrolling may move the pixels already drawn: a picture
// that stays fixed in the window cannot move with the text.
//
// Pictures never change once decoded, so the background shares its picture; no picture, or one
// of zero width or height, is the empty picture.
#pragma once

#include "vellum/rvf/rvf_reader.h"
#include "vellum/style/style_types.h"

#include <climits>
#include <cstdint>
#include <memory>

namespace platform {
class Canvas;
class Picture;
struct Rect;
struct Size;
struct Point;
} // namespace platform

namespace vellum {

enum TBackgroundStyle : uint8_t {
    bsNoBitmap,
    bsStretched,
    bsTiled,
    bsTiledAndScrolled,
    bsCentered,
    bsTopLeft,
    bsTopRight,
    bsBottomLeft,
    bsBottomRight,
};

// A stored style ordinal as a style; values outside 0..8 give bsNoBitmap.
TBackgroundStyle BackgroundStyleFromOrdinal(int32_t ordinal);
// The three-way kind of exchange formats (0 none, 1 stretched, 2 tiled, 3 placed) and back.
int BackgroundStyleToKind(TBackgroundStyle style);
TBackgroundStyle BackgroundStyleFromKind(int kind);

// What an RVF reading pass hands the background: Attach points the pass's targets here; the
// style stays kNoBackgroundRecord unless the document holds a background record.
struct BackgroundReadResult {
    static constexpr int32_t kNoBackgroundRecord = INT32_MIN;
    int32_t style = kNoBackgroundRecord;
    std::unique_ptr<platform::Picture> picture;
    void Attach(RvfReadTargets& targets);
};

class TRVBackground {
public:
    using PicturePtr = std::shared_ptr<const platform::Picture>;

    TBackgroundStyle BackStyle = bsNoBitmap;

    const PicturePtr& Picture() const { return FPicture; }
    // Keeps PICTURE. With COPY the background keeps its own copy; pictures never change, so
    // a shared one is that copy.
    void SetPicture(PicturePtr picture, bool copy = false);
    // Takes what an RVF reading pass handed over: a background record sets the style and the
    // picture (none when the record held none); without a record nothing changes.
    void TakeReadResult(BackgroundReadResult&& result);

    bool HasPicture() const; // a picture of non-zero size
    bool ScrollsByRepaint() const;
    bool IsEmpty() const;
    bool NeedsColorUnderPicture() const;

    // Paints AREA (client coordinates) of a view CLIENT pixels large whose top-left document
    // point is DOCORIGIN: the colour (unless clNone), then the picture by BackStyle.
    void Paint(platform::Canvas& canvas, const platform::Rect& area, platform::Color color,
               platform::Size client, platform::Point docOrigin) const;

private:
    bool PictureIsOpaque() const;
    bool PictureCoversArea() const;
    void PaintPicture(platform::Canvas& canvas, const platform::Rect& area,
                      platform::Size client, platform::Point docOrigin) const;
    void PlacePicture(platform::Canvas& canvas, const platform::Rect& area,
                      const platform::Rect& placed) const;

    PicturePtr FPicture;
};

} // namespace vellum
