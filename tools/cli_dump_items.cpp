#include "tools/cli_dump_items.h"

#include "platform/codepage.h"
#include "tools/cli_json.h"
#include "vellum/document/break_item_info.h"
#include "vellum/document/bullet_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/tab_item_info.h"

namespace wenlocke::cli {
namespace {

using namespace vellum;

std::string Bool(bool value)
{
    return value ? "true" : "false";
}

std::string Int(int64_t value)
{
    return std::to_string(value);
}

std::string Text(const std::string& bytes)
{
    return JsonString(platform::CodePageToUtf8(bytes, platform::SystemCodePage()));
}

const char* FormatName(platform::PictureFormat format)
{
    switch (format) {
    case platform::PictureFormat::Bitmap: return "bitmap";
    case platform::PictureFormat::Icon: return "icon";
    case platform::PictureFormat::Jpeg: return "jpeg";
    case platform::PictureFormat::Metafile: return "metafile";
    case platform::PictureFormat::EnhancedMetafile: return "enhanced metafile";
    }
    return "unknown";
}

std::string PictureJson(const TRVGraphicItemInfo& item)
{
    std::string out = ", \"picture\": ";
    if (!item.Picture)
        return out + "null";
    const platform::Picture& picture = *item.Picture;
    return out + "{\"format\": \"" + FormatName(picture.Format()) + "\", \"width\": " +
           Int(picture.Width()) + ", \"height\": " + Int(picture.Height()) +
           ", \"bytes\": " + Int(static_cast<int64_t>(picture.Bytes().size())) + "}" +
           ", \"size\": [" + Int(item.width) + ", " + Int(item.height) + "]";
}

std::string LineJson(const TRVBreakItemInfo& item)
{
    return ", \"line\": {\"color\": " + Int(static_cast<uint32_t>(item.LineColor)) +
           ", \"kind\": " + Int(item.LineKind) + ", \"thickness\": " + Int(item.Thickness) + "}";
}

std::string MarkerJson(const TRVMarkerItemInfo& item)
{
    return ", \"marker\": {\"listNo\": " + Int(item.ListNo) + ", \"level\": " + Int(item.Level) +
           ", \"startFrom\": " + Int(item.StartFrom) + ", \"reset\": " + Bool(item.ResetNumbering) +
           ", \"counter\": " + Int(item.Counter) + ", \"text\": " + Text(item.MarkerText) + "}";
}

std::string BulletJson(const TRVBulletItemInfo& item)
{
    std::string out = ", \"image\": {\"imageNo\": " + Int(item.ImageNo);
    if (auto* hotspot = dynamic_cast<const TRVHotspotItemInfo*>(&item))
        out += ", \"hotImageNo\": " + Int(hotspot->HotImageNo);
    return out + "}";
}

std::string SequenceFields(const TRVSeqItemInfo& item)
{
    return ", \"counterName\": " + Text(item.CounterName) + ", \"numberFormat\": " +
           Int(item.GetNumberFormat()) + ", \"restart\": " + Bool(item.RestartNumbering) +
           ", \"restartValue\": " + Int(item.RestartValue) + ", \"captionFormat\": " +
           Text(item.CaptionFormat) + ", \"value\": " + Int(item.SequenceValue);
}

std::string LabelJson(const TRVLabelItemInfo& item, const NestedItemsJson& nested)
{
    std::string out = ", \"label\": {\"caption\": " + Text(item.Caption) + ", \"captionStyle\": " +
                      Int(item.CaptionStyleNo) + ", \"minWidth\": " + Int(item.MinCaptionWidth) +
                      ", \"align\": " + Int(item.CaptionAlign) +
                      ", \"locked\": " + Bool(item.LockCaptionStyle);
    if (auto* seq = dynamic_cast<const TRVSeqItemInfo*>(&item))
        out += SequenceFields(*seq);
    out += "}";
    auto* note = dynamic_cast<const TCustomRVNoteItemInfo*>(&item);
    if (note && note->NoteDocument)
        out += ", \"noteItems\": " + nested(*note->NoteDocument);
    return out;
}

std::string KindJson(const TCustomRVItemInfo& item, const NestedItemsJson& nested)
{
    if (auto* picture = dynamic_cast<const TRVGraphicItemInfo*>(&item))
        return PictureJson(*picture);
    if (auto* line = dynamic_cast<const TRVBreakItemInfo*>(&item))
        return LineJson(*line);
    if (auto* marker = dynamic_cast<const TRVMarkerItemInfo*>(&item))
        return MarkerJson(*marker);
    if (auto* bullet = dynamic_cast<const TRVBulletItemInfo*>(&item))
        return BulletJson(*bullet);
    if (auto* tab = dynamic_cast<const TRVTabItemInfo*>(&item))
        return ", \"tabTextStyle\": " + Int(tab->TabTextStyle);
    if (auto* label = dynamic_cast<const TRVLabelItemInfo*>(&item))
        return LabelJson(*label, nested);
    return {};
}

} // namespace

std::string ItemKindFieldsJson(const TCustomRVItemInfo& item, const NestedItemsJson& nested)
{
    std::string out = KindJson(item, nested);
    if (!item.Hint().empty())
        out += ", \"hint\": " + Text(item.Hint());
    return out;
}

} // namespace wenlocke::cli
