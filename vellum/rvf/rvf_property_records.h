// What the document property records (style tables, layout, page parameters, preceding markers)
// and the background record's picture do to a reading pass: the document reader hands their
// headers and data lines here.
#pragma once

#include <string_view>

#include "vellum/rvf/rvf_header.h"
#include "vellum/rvf/rvf_read_pass.h"
#include "vellum/rvf/rvf_reader.h"

namespace vellum {

class RvfPropertyRecords {
public:
    RvfPropertyRecords(TCustomRVData& data, RvfInsertParams& params, RvfReadPass& pass);

    // A property or background record's header was read.
    void BeginRecord(const RvfHeader& header);
    // A data line of a property record (the sub-kind 5 strings are not handled here). False
    // fails the pass.
    bool PropertyLine(const RvfHeader& header, std::string_view line);
    // A data line of a background record. False fails the pass.
    bool BackgroundLine(const RvfHeader& header, std::string_view line);

private:
    bool HasOption(TRVFOption option) const;
    bool Replacing() const { return FParams.ReplaceStyles; }
    bool ApplyStyleTable(const RvfHeader& header, std::string_view line);
    void FixNumbersAfterReplace(int32_t subKind);
    bool FixItemNumbers(TCustomRVItemInfo& item, int32_t subKind, const TRVStyle& style);
    void ApplyLayout(const RvfHeader& header, std::string_view line);
    bool ApplyDocParameter(std::string_view line);

    TCustomRVData& FData;
    RvfInsertParams& FParams;
    RvfReadPass& FPass;
};

} // namespace vellum
