// The fields that `wenlocke-cli dump` prints for items besides the ones every item has: the
// picture's format and size, a line's colour and width, a marker's list and number, captions of
// labels and sequences, the items of a note's text.
#pragma once

#include "vellum/document/custom_rv_data.h"

#include <functional>
#include <string>

namespace wenlocke::cli {

// Gives the JSON array of a nested document's items.
using NestedItemsJson = std::function<std::string(const vellum::TCustomRVData&)>;

// ", key: value" pairs for ITEM's kind, or nothing for kinds without fields of their own.
std::string ItemKindFieldsJson(const vellum::TCustomRVItemInfo& item, const NestedItemsJson& nested);

} // namespace wenlocke::cli
