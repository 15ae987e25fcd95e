// The counts that `wenlocke-cli dump --stats` prints instead of the items, so that a big document
// can be looked at without building its whole JSON.
#pragma once

#include "app/snapshot_style.h"

#include <string>

namespace wenlocke::cli {

// One line of JSON: the reader's result and warnings, the style table sizes, the items by kind
// and their text bytes (nested documents such as note texts included), and checkpoints.
std::string DumpStatsJson(const SnapshotDocument& doc, bool ok);

} // namespace wenlocke::cli
