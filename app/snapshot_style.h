// How the main window sets up its snapshot view for reading: the style sheet RVStyle1 as the
// window starts with it, and the view's RVF options.
#pragma once

#include "vellum/layout/fixed_client_data.h"
#include "vellum/rvf/rv_doc_parameters.h"
#include "vellum/style/rv_style.h"

#include <string>
#include <vector>

namespace wenlocke {

// rvfoSavePicturesBody, rvfoSaveControlsBody, rvfoSaveBinary, rvfoSaveTextStyles,
// rvfoSaveParaStyles, rvfoSaveDocProperties and rvfoLoadDocProperties.
constexpr vellum::TRVFOptions kSnapshotRvfOptions = 0xCC43;

// Fills STYLE with the window's initial text and paragraph styles; no list styles.
void SetupSnapshotStyle(vellum::TRVStyle& style);

// A top-level document configured as the snapshot view's: the style sheet, the options, integer
// tags, the document property list and the page parameters. It is formatted as the view
// formats it: margins 5, wrapping on, no scroll bars.
struct SnapshotDocument {
    SnapshotDocument();
    vellum::TRVStyle Style;
    std::vector<std::string> Properties;
    vellum::TRVDocParameters Parameters;
    vellum::FixedClientData Data;
};

} // namespace wenlocke
