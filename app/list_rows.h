// Rows of the window's three list boxes. Each row keeps its catalog bytes (code page 936) next
// to the text it displays, so a row's text and entry go back to the catalog exactly as they came,
// even when a name was cut inside a double-byte character and no longer converts cleanly.
#pragma once

#include "app/catalog.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QListWidget;

namespace wenlocke {

// Display text for catalog bytes in code page 936.
QString GbkToQString(std::string_view gbk);
// Code page 936 bytes for a display text (characters the code page lacks become '?').
std::string QStringToGbk(const QString& text);

// Adds a row of the group or notebook list at the end.
void AddCatalogRow(QListWidget& list, const CatalogRow& row);
// Adds a plain snapshot row at the end.
void AddTextRow(QListWidget& list, const std::string& gbkText);

// The selected row, if any: its stored bytes and its entry.
std::optional<std::string> SelectedRowText(const QListWidget& list);
std::optional<TFileInfo> SelectedRowInfo(const QListWidget& list);

} // namespace wenlocke
