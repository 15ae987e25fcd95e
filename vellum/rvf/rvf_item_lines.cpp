#include "vellum/rvf/rvf_item_lines.h"

#include "vellum/document/graphic_item_info.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"
#include "vellum/rvf/rvf_field_cursor.h"
#include "vellum/rvf/rvf_hex.h"
#include "vellum/rvf/rvf_picture_body.h"

#include <charconv>
#include <span>

namespace vellum {
namespace {

// The caption lines of the label family, in the order each kind stores them.
enum class LabelLine {
    ItemText, // read by the framing
    Caption,
    CaptionStyle,
    MinWidth,
    Align,
    Protect,
    CounterName,
    NumberFormat,
    Restart,
    RestartValue,
    CaptionFormat,
};

using enum LabelLine;

constexpr LabelLine kLabelLines[] = {Caption, CaptionStyle, MinWidth, Align, Protect};
constexpr LabelLine kSequenceLines[] = {CounterName,  NumberFormat, Restart, RestartValue,
                                        CaptionStyle, MinWidth,     Align,   Protect,
                                        ItemText,     CaptionFormat};
constexpr LabelLine kNoteLines[] = {CaptionStyle, MinWidth, Align, Protect, Restart, RestartValue};
constexpr LabelLine kNoteReferenceLines[] = {CaptionStyle, MinWidth, Align, Protect};

std::span<const LabelLine> LabelLinesOf(int32_t styleNo)
{
    switch (styleNo) {
    case rvsLabel:
        return kLabelLines;
    case rvsSequence:
        return kSequenceLines;
    case rvsFootnote:
    case rvsEndnote:
        return kNoteLines;
    case rvsNoteReference:
        return kNoteReferenceLines;
    default:
        return {};
    }
}

// A caption style: a number, or a quoted name that is looked up and never mapped.
bool ReadCaptionStyle(TRVLabelItemInfo& label, RvfHeader& header, std::string_view line,
                      RvfItemContext& context)
{
    if (line.empty() || line.front() != '"') {
        std::optional<int32_t> number = ParseRvfLineInteger(line);
        if (number)
            label.SetDrawingTextStyle(*number);
        return number.has_value();
    }
    RvfFieldCursor cursor(line);
    std::optional<std::string> name = cursor.ReadQuoted();
    if (!name)
        return false;
    header.ItemByName = true;
    label.SetDrawingTextStyle(context.TextStyleByName(DecodeRvfString(*name, header.Utf8)));
    return true;
}

// Alignments other than left, right and centre read as left.
uint8_t CaptionAlignOf(int32_t value)
{
    return value >= 0 && value <= 2 ? static_cast<uint8_t>(value) : 0;
}

// Number formats outside the known five read as decimal.
TRVSeqType NumberFormatOf(int32_t value)
{
    return value >= rvseqDecimal && value <= rvseqUpperRoman ? static_cast<TRVSeqType>(value)
                                                             : rvseqDecimal;
}

bool ReadNumberLine(std::string_view line, int32_t& value)
{
    std::optional<int32_t> number = ParseRvfLineInteger(line);
    if (number)
        value = *number;
    return number.has_value();
}

// Lines that only sequences and notes have.
bool ReadSequenceLine(TRVSeqItemInfo& seq, LabelLine kind, const RvfHeader& header,
                      std::string_view line)
{
    int32_t number = 0;
    switch (kind) {
    case CounterName:
        seq.CounterName = DecodeRvfString(line, header.Utf8);
        return true;
    case NumberFormat:
        if (!ReadNumberLine(line, number))
            return false;
        seq.SetNumberFormat(NumberFormatOf(number));
        return true;
    case Restart:
        seq.RestartNumbering = line != "0";
        return true;
    case RestartValue:
        return ReadNumberLine(line, seq.RestartValue);
    case CaptionFormat:
        seq.CaptionFormat = DecodeRvfString(line, header.Utf8);
        return true;
    default:
        return true;
    }
}

bool ReadLabelLine(TRVLabelItemInfo& label, LabelLine kind, RvfHeader& header,
                   std::string_view line, RvfItemContext& context)
{
    int32_t number = 0;
    switch (kind) {
    case Caption:
        label.SetCaption(DecodeRvfString(line, header.Utf8));
        return true;
    case CaptionStyle:
        return ReadCaptionStyle(label, header, line, context);
    case MinWidth:
        return ReadNumberLine(line, label.MinCaptionWidth);
    case Align:
        if (!ReadNumberLine(line, number))
            return false;
        label.CaptionAlign = CaptionAlignOf(number);
        return true;
    case Protect:
        label.LockCaptionStyle = line == "protect";
        return true;
    case ItemText:
        return true;
    default:
        break;
    }
    auto* seq = dynamic_cast<TRVSeqItemInfo*>(&label);
    return !seq || ReadSequenceLine(*seq, kind, header, line);
}

// The note's text: a whole document, hex or a binary block, read inside the current pass.
bool ReadNoteBody(TCustomRVNoteItemInfo& note, const RvfHeader& header, std::string_view body,
                  RvfItemContext& context)
{
    if (!note.NoteDocument)
        return false;
    if (header.DataMode == kRvfDataBinary)
        return context.ReadNestedDocument(*note.NoteDocument, body);
    RvfHexResult decoded = DecodeRvfHex(body);
    // A document cut short by a bad digit would silently lose the note's end.
    if (!decoded.complete)
        return false;
    return context.ReadNestedDocument(*note.NoteDocument, decoded.bytes);
}

bool IsLastLine(const RvfHeader& header)
{
    return static_cast<int64_t>(header.LineIndex) == static_cast<int64_t>(header.LineCount) - 1;
}

bool ReadLabelFamilyLine(TRVLabelItemInfo& label, RvfHeader& header, std::string_view line,
                         RvfItemContext& context)
{
    std::span<const LabelLine> lines = LabelLinesOf(header.StyleNo);
    const int32_t index = header.LineIndex;
    if (index >= 0 && static_cast<size_t>(index) < lines.size())
        return ReadLabelLine(label, lines[static_cast<size_t>(index)], header, line, context);
    auto* note = dynamic_cast<TCustomRVNoteItemInfo*>(&label);
    if (note && IsLastLine(header))
        return ReadNoteBody(*note, header, line, context);
    return true;
}

// Line 1 names the class, the last line is the body; DataMode 1 records have neither.
bool ReadPictureLine(TRVGraphicItemInfo& picture, const RvfHeader& header, std::string_view line,
                     RvfItemContext& context)
{
    if (header.DataMode == kRvfDataNoBody)
        return true;
    if (header.LineIndex == 1) {
        bool ok = ReadPictureClassLine(picture, line, context);
        // A record that ends with its class line has no body to load: no picture.
        if (IsLastLine(header))
            picture.Picture.reset();
        return ok;
    }
    if (header.LineIndex > 1 && IsLastLine(header))
        return ReadPictureBody(picture, line, header.DataMode == kRvfDataBinary, context);
    return true;
}

// No control class is registered, so a stored control can never be recreated: its body is
// skipped, the item is dropped for want of a control, and the rest of the document still reads.
bool ReadControlLine(const RvfHeader& header, RvfItemContext& context)
{
    if (header.DataMode != kRvfDataNoBody && header.LineIndex == 1)
        context.Warn(kRvfWarnNoControl);
    return true;
}

} // namespace

std::optional<int32_t> ParseRvfLineInteger(std::string_view line)
{
    if (!line.empty() && line.front() == '+')
        line.remove_prefix(1);
    if (line.empty() || line.front() == '+')
        return std::nullopt;
    int32_t value = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size())
        return std::nullopt;
    return value;
}

bool ReadFixedItemLine(TCustomRVItemInfo& item, RvfHeader& header, std::string_view line,
                       RvfItemContext& context)
{
    if (auto* picture = dynamic_cast<TRVGraphicItemInfo*>(&item))
        return ReadPictureLine(*picture, header, line, context);
    if (item.StyleNo == rvsComponent)
        return ReadControlLine(header, context);
    if (auto* label = dynamic_cast<TRVLabelItemInfo*>(&item))
        return ReadLabelFamilyLine(*label, header, line, context);
    return true;
}

} // namespace vellum
