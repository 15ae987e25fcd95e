// Reading the group and notebook lists, and turning snapshot folders into list rows and back.
#include "app/catalog.h"

#include "platform/codepage.h"
#include "platform/files.h"

#include <algorithm>

namespace wenlocke {
namespace {

// "(分组)" in code page 936.
constexpr std::string_view kGroupSuffix = "(\xB7\xD6\xD7\xE9)";

// The pieces of a snapshot row in code page 936: 年, 月, "日 ", 点, 分, "秒 保存的".
constexpr std::string_view kYear = "\xC4\xEA";
constexpr std::string_view kMonth = "\xD4\xC2";
constexpr std::string_view kDay = "\xC8\xD5 ";
constexpr std::string_view kHour = "\xB5\xE3";
constexpr std::string_view kMinute = "\xB7\xD6";
constexpr std::string_view kSecondSaved = "\xC3\xEB \xB1\xA3\xB4\xE6\xB5\xC4";

// Bytes FIRST..LAST (1-based, inclusive) of TEXT; positions past the end give nothing.
std::string_view Bytes(std::string_view text, size_t first, size_t last)
{
    if (first > text.size())
        return {};
    return text.substr(first - 1, last - first + 1);
}

bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool IsPathBreaker(char16_t c)
{
    return c == u'/' || c == u'\\' || c == u':' || IsControl(c);
}

std::string WithSlash(const std::string& folder)
{
    if (folder.empty() || folder.back() == '/')
        return folder;
    return folder + '/';
}

bool IsListedEntry(const platform::FolderEntry& entry)
{
    if (entry.name == "." || entry.name == "..")
        return false;
    // Only a folder with no other attribute is left out; a hidden or archived one is listed.
    return entry.attributes != platform::faDirectory;
}

} // namespace

void ReadGroupLines(std::string_view text, const RowSink& sink)
{
    for (std::string_view line : SplitCatalogLines(text)) {
        std::vector<std::string> fields = SplitFields(line);
        if (fields.size() < 2)
            throw ListIndexError(1);
        CatalogRow row{{}, MakeFileInfo(fields[1], fields[0])};
        row.Text = row.Info.Name + std::string(kGroupSuffix);
        sink(row);
    }
}

// A group whose id was cut to 100 bytes when its row was made finds its notebooks by field 0
// cut the same way; any other group's id must equal the whole field, or an id of exactly 100
// bytes would also claim notebooks of longer ids that merely start with it.
bool BelongsToGroup(std::string_view field0, const TFileInfo& group)
{
    if (group.IdCut)
        return field0.substr(0, kMaxEntryBytes) == group.Id;
    return field0 == group.Id;
}

void ReadNotebookLines(std::string_view text, const TFileInfo& group, const RowSink& sink)
{
    for (std::string_view line : SplitCatalogLines(text)) {
        std::vector<std::string> fields = SplitFields(line);
        if (fields.empty())
            throw ListIndexError(0);
        if (!BelongsToGroup(fields[0], group))
            continue;
        if (fields.size() < 3)
            throw ListIndexError(2);
        CatalogRow row{{}, MakeFileInfo(fields[2], fields[1])};
        row.Text = row.Info.Name;
        sink(row);
    }
}

void ReadGroupList(const std::string& dataDir, const RowSink& sink)
{
    ReadGroupLines(platform::ReadWholeFile(dataDir + "groups.txt"), sink);
}

void ReadNotebookList(const std::string& dataDir, const TFileInfo& group, const RowSink& sink)
{
    ReadNotebookLines(platform::ReadWholeFile(dataDir + "items.txt"), group, sink);
}

std::string DataDirFromArgument(const std::string& programFolder, const std::string& argument)
{
    if (argument.empty())
        return {};
    return WithSlash(programFolder) + argument + '/';
}

bool IsSafeNotebookId(std::string_view id)
{
    std::u16string chars = platform::ToUtf16(id, platform::kCodePageGbk);
    if (chars.empty() || chars == u"." || chars == u"..")
        return false;
    return std::none_of(chars.begin(), chars.end(), IsPathBreaker);
}

std::string SnapshotDirFor(const std::string& dataDir, std::string_view notebookId)
{
    // An id that could leave data3/ (or name it) has no snapshot folder: nothing outside the
    // notebook's own folder is ever read.
    if (!IsSafeNotebookId(notebookId))
        return {};
    // Folder names on this system are UTF-8, so the stored GBK id is converted to form the path.
    return dataDir + "data3/" + platform::CodePageToUtf8(notebookId, platform::kCodePageGbk);
}

std::vector<std::string> FillSnapshotList(const std::string& folder)
{
    std::vector<std::string> rows;
    if (folder.empty())
        return rows;
    for (const platform::FolderEntry& entry : platform::EnumerateFolder(WithSlash(folder))) {
        if (!IsListedEntry(entry))
            continue;
        rows.push_back(SnapshotRowText(platform::Utf8ToCodePage(entry.name, platform::kCodePageGbk)));
    }
    // Byte order; for the digit-led rows of stamp names this is oldest first.
    std::sort(rows.begin(), rows.end());
    return rows;
}

SnapshotChoice ChooseSnapshotFolder(const std::string& dataDir, std::string_view notebookId)
{
    SnapshotChoice choice;
    choice.SnapshotDir = SnapshotDirFor(dataDir, notebookId);
    if (choice.SnapshotDir.empty() || !platform::FolderExists(choice.SnapshotDir))
        return choice;
    choice.Rows = FillSnapshotList(choice.SnapshotDir);
    return choice;
}

std::string SnapshotRowText(std::string_view gbkName)
{
    std::string row;
    row.append(Bytes(gbkName, 1, 4)).append(kYear);
    row.append(Bytes(gbkName, 5, 6)).append(kMonth);
    row.append(Bytes(gbkName, 7, 8)).append(kDay);
    row.append(Bytes(gbkName, 9, 10)).append(kHour);
    row.append(Bytes(gbkName, 11, 12)).append(kMinute);
    row.append(Bytes(gbkName, 13, 14)).append(kSecondSaved);
    return row;
}

std::string StampFromRowText(std::string_view rowText)
{
    std::string stamp;
    stamp.append(Bytes(rowText, 1, 4)).append(Bytes(rowText, 7, 8));
    stamp.append(Bytes(rowText, 11, 12)).append(Bytes(rowText, 16, 17));
    stamp.append(Bytes(rowText, 20, 21)).append(Bytes(rowText, 24, 25));
    return stamp;
}

std::string SnapshotPath(const std::string& snapshotDir, std::string_view rowText)
{
    std::string stamp = platform::CodePageToUtf8(StampFromRowText(rowText), platform::kCodePageGbk);
    // A stamp is one file name inside the snapshot folder, never a path.
    if (snapshotDir.empty() || stamp.find('/') != std::string::npos)
        return {};
    return snapshotDir + '/' + stamp + ".txt";
}

} // namespace wenlocke
