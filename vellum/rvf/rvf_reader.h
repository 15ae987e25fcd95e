// Reading RVF documents into a document. Reading never throws: it returns whether the data was
// read to its end, and whatever was inserted before a failure stays in the document.
#pragma once

#include "vellum/document/custom_rv_data.h"
#include "vellum/rvf/rv_layout_info.h"
#include "vellum/rvf/rv_memory_stream.h"
#include "vellum/style/style_types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class Picture;
}

namespace vellum {

// What a pass may hand back besides items. Null members are left alone.
struct RvfReadTargets {
    platform::Color* Color = nullptr;            // in/out background colour
    int32_t* BackgroundStyle = nullptr; // the background painter's style (TBackgroundStyle)
    TRVLayoutInfo* Layout = nullptr;
    std::unique_ptr<platform::Picture>* BackgroundPicture = nullptr; // the background painter's
};

struct RvfInsertParams {
    int32_t Index = 0;  // in: where to insert; out: position of the first inserted item
    int32_t ParaNo = -1; // paragraph of the first item in append mode (-1: continue)
    bool ReplaceStyles = false;
    bool Append = false;
    bool Edit = false;
    RvfReadTargets Targets;
    int32_t ItemsAdded = 0; // out: items added after the first
    bool Busy = false;      // set while the pass runs
    bool Reformat = false;  // out: the editor must reformat more than the inserted items
};

// Reads the whole file into DATA (cleared first). False when the file cannot be read or the
// data is not a complete RVF document.
bool ReadRvfFile(TCustomRVData& data, const std::string& fileName, const RvfReadTargets& targets = {});
// Clears DATA and reads from the stream's position to its end, styles replaceable.
bool ReadRvfStream(TCustomRVData& data, TRVMemoryStream& stream, const RvfReadTargets& targets = {});
// The reading pass proper: inserts the records from the stream's position to its end.
bool InsertRvf(TCustomRVData& data, TRVMemoryStream& stream, RvfInsertParams& params);
// Reads a 4-byte length and that many bytes as a nested document (table cells).
bool ReadRvfSized(TCustomRVData& data, TRVMemoryStream& stream);

} // namespace vellum
