#include "vellum/rvf/rvf_record_machine.h"

#include "platform/checked_math.h"

namespace vellum {
namespace {

// Records that carry data for the reader itself, never an item.
bool IsNonItemRecord(int32_t styleNo)
{
    return styleNo == kRvfCheckpointRecord || styleNo == kRvfBackgroundRecord ||
           styleNo == kRvfPropertyRecord;
}

bool IsLastLine(const RvfHeader& header)
{
    return static_cast<int64_t>(header.LineIndex) == static_cast<int64_t>(header.LineCount) - 1;
}

} // namespace

bool RvfRecordMachine::Run(std::string_view block)
{
    FHeader = RvfHeader{};
    FState = State::Header;
    RvfLineReader lines(block);
    while (!lines.AtEnd()) {
        RvfLine line;
        // A stalled line would be read again and again without moving: the data is broken.
        if (!lines.Fetch(line) || line.stalled)
            return false;
        RvfLineMode mode = lines.Mode();
        if (FState == State::Header)
            FHeader.BytesLeft = block.size() - lines.Position();
        if (!ProcessLine(line.bytes, mode))
            return false;
        lines.SetMode(mode);
        if (!lines.Advance())
            return false;
    }
    return FState == State::Header;
}

bool RvfRecordMachine::ProcessLine(std::string_view line, RvfLineMode& mode)
{
    switch (FState) {
    case State::Header:
        return ProcessHeader(line, mode);
    case State::Lines:
        return ProcessDataLine(line, mode);
    case State::Skip:
        return ProcessSkippedLine(mode);
    }
    return false;
}

bool RvfRecordMachine::ProcessHeader(std::string_view line, RvfLineMode& mode)
{
    RvfFieldCursor fields(line);
    if (!ParseHeader(fields) || fields.Overflowed())
        return false;
    if (FHeader.StyleNo == kRvfVersionRecord && !FHeader.StyleByName)
        return true;
    RvfRecordPlan plan = FSink.BeginRecord(FHeader, fields);
    if (plan == RvfRecordPlan::Fail || fields.Overflowed())
        return false;
    if (FHeader.LineCount == 0)
        return FSink.Insert(FHeader, nullptr);
    StartLines(plan, mode);
    return true;
}

void RvfRecordMachine::StartLines(RvfRecordPlan plan, RvfLineMode& mode)
{
    FState = plan == RvfRecordPlan::SkipLines ? State::Skip : State::Lines;
    if (plan == RvfRecordPlan::ReadUnicodeLines)
        mode = RvfLineMode::UnicodeNext;
    // A skipped record whose only line is a binary block: frame it as one, so that its bytes
    // are not scanned as text lines.
    if (FState == State::Skip && IsLastLine(FHeader) && FHeader.DataMode == kRvfDataBinary)
        mode = RvfLineMode::BinaryNext;
}

bool RvfRecordMachine::ProcessDataLine(std::string_view line, RvfLineMode& mode)
{
    if (FHeader.IsTextKind()) {
        if (!FSink.Insert(FHeader, &line))
            return false;
    } else {
        if (!FSink.DataLine(FHeader, line, mode))
            return false;
        if (!IsNonItemRecord(FHeader.StyleNo) && IsLastLine(FHeader) &&
            !FSink.Insert(FHeader, nullptr))
            return false;
    }
    if (!NextLineIndex())
        return false;
    if (FHeader.LineIndex != FHeader.LineCount)
        return true;
    if (FHeader.IsTextKind())
        FSink.EndTextRecord(FHeader);
    FState = State::Header;
    if (mode == RvfLineMode::Unicode)
        mode = RvfLineMode::UnicodeDone;
    return true;
}

bool RvfRecordMachine::ProcessSkippedLine(RvfLineMode& mode)
{
    if (!NextLineIndex())
        return false;
    if (IsLastLine(FHeader) && FHeader.DataMode == kRvfDataBinary)
        mode = RvfLineMode::BinaryNext;
    if (FHeader.LineIndex != FHeader.LineCount)
        return true;
    FState = State::Header;
    return FSink.Insert(FHeader, nullptr);
}

bool RvfRecordMachine::NextLineIndex()
{
    std::optional<int32_t> next = platform::CheckedAdd<int32_t>(FHeader.LineIndex, 1);
    if (!next)
        return false;
    FHeader.LineIndex = *next;
    return true;
}

bool RvfRecordMachine::ParseHeader(RvfFieldCursor& fields)
{
    FHeader.LineIndex = 0;
    FHeader.ItemByName = false;
    FHeader.ParaByName = false;
    FHeader.Options = 0;
    FHeader.Tag = {};
    if (!ReadStyleReference(fields, true, FHeader.StyleNo, FHeader.StyleByName))
        return false;
    if (FHeader.StyleNo == kRvfVersionRecord && !FHeader.StyleByName)
        return ParseVersion(fields);
    std::optional<int32_t> lineCount = fields.ReadInteger();
    if (!lineCount)
        return false;
    FHeader.LineCount = *lineCount;
    if (!ReadStyleReference(fields, false, FHeader.ParaNo, FHeader.ParaByName))
        return false;
    if (FHeader.HasOptionsField()) {
        std::optional<int32_t> options = fields.ReadInteger();
        if (!options)
            return false;
        FHeader.Options = static_cast<uint8_t>(*options);
    }
    std::optional<int32_t> dataMode = fields.ReadInteger();
    if (!dataMode)
        return false;
    FHeader.DataMode = *dataMode;
    return ReadTag(fields) && ParseKindFields(fields);
}

bool RvfRecordMachine::ParseVersion(RvfFieldCursor& fields)
{
    std::optional<int32_t> major = fields.ReadInteger();
    std::optional<int32_t> minor = fields.ReadInteger();
    if (!major || !minor)
        return false;
    FHeader.VersionMajor = *major;
    FHeader.VersionMinor = *minor;
    FHeader.LineCount = 0;
    std::optional<int32_t> utf8 = fields.ReadInteger();
    if (utf8 && *utf8 >= 1)
        FHeader.Utf8 = true;
    return true;
}

bool RvfRecordMachine::ParseKindFields(RvfFieldCursor& fields)
{
    if (FHeader.StyleNo == kRvfPropertyRecord) {
        std::optional<int32_t> subKind = fields.ReadInteger();
        FHeader.SubKind = subKind.value_or(0);
        return subKind.has_value();
    }
    if (FHeader.StyleNo == kRvfBackgroundRecord) {
        std::optional<int32_t> style = fields.ReadInteger();
        std::optional<int32_t> color = fields.ReadInteger();
        FHeader.BackgroundStyle = style.value_or(0);
        FHeader.BackgroundColor = color.value_or(0);
        return style && color;
    }
    if (FHeader.StyleNo == kRvfCheckpointRecord) {
        // Both flags are optional and read as 0 once the line has ended.
        std::optional<int32_t> raiseEvent = fields.AtLineEnd() ? 0 : fields.ReadInteger();
        std::optional<int32_t> pinned = fields.AtLineEnd() ? 0 : fields.ReadInteger();
        FHeader.RaiseEvent = raiseEvent.value_or(0) != 0;
        FHeader.Pinned = pinned.value_or(0) != 0;
        return raiseEvent && pinned;
    }
    return true;
}

bool RvfRecordMachine::ReadStyleReference(RvfFieldCursor& fields, bool text, int32_t& value,
                                          bool& byName)
{
    byName = false;
    std::optional<std::string> name = fields.ReadQuoted();
    if (!name) {
        std::optional<int32_t> number = fields.ReadInteger();
        if (fields.Overflowed())
            return false;
        if (number) {
            value = *number;
            return true;
        }
        // Neither a number nor a quoted name: the empty name, and the cursor stays where
        // the digits stopped so that the next field fails.
        name.emplace();
    }
    byName = true;
    std::string decoded = DecodeRvfString(*name, FHeader.Utf8);
    value = text ? FSink.TextStyleByName(decoded) : FSink.ParaStyleByName(decoded);
    return true;
}

bool RvfRecordMachine::ReadTag(RvfFieldCursor& fields)
{
    if (!FSink.TagsAreStrings()) {
        std::optional<int32_t> tag = fields.ReadInteger();
        FHeader.Tag.Int = tag.value_or(0);
        return tag.has_value();
    }
    if (FHeader.AllowsQuotedTags() && fields.PeekChar() == '"') {
        std::optional<std::string> quoted = fields.ReadQuoted();
        if (!quoted)
            return false;
        FHeader.Tag.Str = DecodeRvfString(*quoted, FHeader.Utf8);
        return true;
    }
    std::string_view token = fields.ReadToken();
    if (token.empty())
        return false;
    std::string decoded = DecodeRvfString(token, FHeader.Utf8);
    if (decoded != "0")
        FHeader.Tag.Str = std::move(decoded);
    return true;
}

} // namespace vellum
