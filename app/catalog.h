// The history catalog: the group list (groups.txt), the notebook list (items.txt) and the
// snapshot folders below data3/. Catalog text stays in code page 936 (GBK) bytes here; callers
// convert it for display (platform::CodePageToUtf8 / platform::ToUtf16) at the last moment.
//
// Paths are UTF-8 with '/' separators. A data folder path ends in '/' (or is empty when the
// program was started without a data folder argument).
//
// Errors: reading throws platform::FileError ("Cannot open file "<path>". <reason>") when a
// catalog file cannot be opened, and AppError ("List index out of bounds (<n>)") for a line that
// lacks a field. Rows reach the sink one by one as they are made, so the rows delivered before an
// error stay with the caller.
#pragma once

#include "app/app_error.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wenlocke {

// Longest name or id an entry keeps, in bytes.
constexpr size_t kMaxEntryBytes = 100;

// The entry carried by a row of the group list and of the notebook list (GBK bytes).
struct TFileInfo {
    std::string Name; // at most 100 bytes, cut back to a whole character
    std::string Id;   // at most 100 bytes, cut at the byte: folders on disk are named by it
    bool IdCut = false; // the id read was longer than 100 bytes, so Id holds only its start
};

// One row of the group or notebook list: its text (GBK) and its entry.
struct CatalogRow {
    std::string Text;
    TFileInfo Info;
};

using RowSink = std::function<void(const CatalogRow&)>;

// --- Line and field rules -----------------------------------------------------------------

// The lines of a catalog file: CR LF, lone CR and lone LF end a line; a NUL byte ends the text;
// a line end at the very end adds no empty line. The views point into TEXT.
std::vector<std::string_view> SplitCatalogLines(std::string_view text);

// The comma-separated fields of one line: blanks (bytes <= 32) trimmed from the line and from
// each piece; empty pieces (",,", a leading or trailing comma) dropped; a piece of blanks only
// kept as an empty field.
std::vector<std::string> SplitFields(std::string_view line);

// An entry made from a name and an id, both cut to 100 bytes as described at TFileInfo.
TFileInfo MakeFileInfo(std::string_view name, std::string_view id);

// --- Group and notebook lists --------------------------------------------------------------

// Reads DATADIR + "groups.txt": one row per line, text Name + "(分组)".
void ReadGroupList(const std::string& dataDir, const RowSink& sink);

// Reads DATADIR + "items.txt": one row per notebook of GROUP, whose notebook lines carry the
// group's whole id in field 0 (only the first 100 bytes of it when the group's id was cut).
void ReadNotebookList(const std::string& dataDir, const TFileInfo& group, const RowSink& sink);

// The same rules on file contents already in memory.
void ReadGroupLines(std::string_view text, const RowSink& sink);
void ReadNotebookLines(std::string_view text, const TFileInfo& group, const RowSink& sink);

// --- Snapshots -----------------------------------------------------------------------------

// The data folder for the command-line argument: PROGRAMFOLDER (ending in '/') + ARGUMENT + "/",
// or empty when ARGUMENT is empty.
std::string DataDirFromArgument(const std::string& programFolder, const std::string& argument);

// True when a notebook id can name a folder inside data3/: not empty, not "." or "..", and no
// '/', '\', ':' or control character (checked per character after decoding code page 936).
bool IsSafeNotebookId(std::string_view id);

// DATADIR + "data3/" + the id converted to UTF-8, without a trailing '/'; empty when the id is
// not safe (such a notebook has no snapshot folder).
std::string SnapshotDirFor(const std::string& dataDir, std::string_view notebookId);

// The rows of a snapshot folder, sorted ascending (oldest first for stamp names): every entry
// except ".", ".." and plain folders. FOLDER may end in '/' or not; a missing or unreadable
// folder gives no rows.
std::vector<std::string> FillSnapshotList(const std::string& folder);

// What a notebook click yields: the new snapshot folder and its rows.
struct SnapshotChoice {
    std::string SnapshotDir; // empty for an unsafe id
    std::vector<std::string> Rows;
};
SnapshotChoice ChooseSnapshotFolder(const std::string& dataDir, std::string_view notebookId);

// The row text for a file name given in GBK bytes, e.g. "20120102030405.txt" gives
// "2012年01月02日 03点04分05秒 保存的" (GBK). Positions beyond the name give nothing.
std::string SnapshotRowText(std::string_view gbkName);

// The 14-character stamp rebuilt from a row text (bytes 1-4, 7-8, 11-12, 16-17, 20-21, 24-25);
// never reads past the end of a short row.
std::string StampFromRowText(std::string_view rowText);

// SNAPSHOTDIR + "/" + stamp + ".txt" (UTF-8 path) for a row text of the snapshot list.
std::string SnapshotPath(const std::string& snapshotDir, std::string_view rowText);

} // namespace wenlocke
