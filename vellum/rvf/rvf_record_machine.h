// The RVF reading state machine: splits a block into records, parses their headers and hands
// headers, data lines and insertion steps to a sink. It knows the grammar only; what records
// mean to a document is the sink's business, so the grammar can be tested on byte strings.
#pragma once

#include "vellum/rvf/rvf_field_cursor.h"
#include "vellum/rvf/rvf_header.h"
#include "vellum/rvf/rvf_line_reader.h"

#include <string_view>

namespace vellum {

// What the sink decided about a record whose header it accepted.
enum class RvfRecordPlan {
    Fail,             // the header is rejected: the pass ends
    ReadLines,        // data lines go to the sink (state 1)
    ReadUnicodeLines, // as ReadLines, the lines being raw UTF-16 after the header's CR LF
    SkipLines,        // data lines are skipped (state 2)
};

class RvfRecordSink {
public:
    virtual ~RvfRecordSink() = default;

    // The first style of that name in the style sheet, 0 when none has it.
    virtual int32_t TextStyleByName(std::string_view name) = 0;
    virtual int32_t ParaStyleByName(std::string_view name) = 0;
    virtual bool TagsAreStrings() const = 0;

    // Called for every record but the version record once its common fields are read (for
    // checkpoint, background and property records their own fields as well). The sink makes
    // the item template, checks styles and reads the rest of the header from REST.
    virtual RvfRecordPlan BeginRecord(RvfHeader& header, RvfFieldCursor& rest) = 0;
    // A data line of a record that reads its lines, other than a text record. The sink may
    // switch the line mode so that the next line is read as a binary block.
    virtual bool DataLine(RvfHeader& header, std::string_view line, RvfLineMode& mode) = 0;
    // The insertion step: TEXT is a data line of a text record, or none.
    virtual bool Insert(RvfHeader& header, const std::string_view* text) = 0;
    // The last line of a text record was inserted.
    virtual void EndTextRecord(RvfHeader& header) = 0;
};

class RvfRecordMachine {
public:
    explicit RvfRecordMachine(RvfRecordSink& sink) : FSink(sink) {}

    // Reads every record of BLOCK. True when the block ended after a complete record.
    bool Run(std::string_view block);

    const RvfHeader& Header() const { return FHeader; }

private:
    enum class State { Header, Lines, Skip };

    bool ProcessLine(std::string_view line, RvfLineMode& mode);
    bool ProcessHeader(std::string_view line, RvfLineMode& mode);
    bool ProcessDataLine(std::string_view line, RvfLineMode& mode);
    bool ProcessSkippedLine(RvfLineMode& mode);
    bool NextLineIndex();

    bool ParseHeader(RvfFieldCursor& fields);
    bool ParseVersion(RvfFieldCursor& fields);
    bool ParseKindFields(RvfFieldCursor& fields);
    bool ReadStyleReference(RvfFieldCursor& fields, bool text, int32_t& value, bool& byName);
    bool ReadTag(RvfFieldCursor& fields);
    void StartLines(RvfRecordPlan plan, RvfLineMode& mode);

    RvfRecordSink& FSink;
    RvfHeader FHeader;
    State FState = State::Header;
};

} // namespace vellum
