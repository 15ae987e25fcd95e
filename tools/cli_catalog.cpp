// wenlocke-cli catalog DATADIR: the catalog as the window would show it, as UTF-8 text.
//
//   家庭(分组) [g1]
//     购物清单 [nb7]
//       2012年01月02日 03点04分05秒 保存的
//   settings: meige_time=5 zuiduo_file=40
//
// Errors go to stderr with the window's texts; reading goes on with the next group, as the
// window's handlers do, and the exit code is non-zero.
#include "tools/cli_command.h"

#include "app/catalog.h"
#include "app/settings.h"
#include "platform/codepage.h"

#include <cstdio>
#include <exception>

namespace wenlocke::cli {
namespace {

std::string Utf8(std::string_view gbk)
{
    return platform::CodePageToUtf8(gbk, platform::kCodePageGbk);
}

void PrintRow(const char* indent, const CatalogRow& row)
{
    std::printf("%s%s [%s]\n", indent, Utf8(row.Text).c_str(), Utf8(row.Info.Id).c_str());
}

void ReportError(const std::exception& error)
{
    std::fflush(stdout);
    std::fprintf(stderr, "wenlocke-cli catalog: %s\n", error.what());
}

// Rows delivered before an error are kept, as in the window's lists.
bool ReadRows(const std::function<void(const RowSink&)>& read, std::vector<CatalogRow>& rows)
{
    try {
        read([&rows](const CatalogRow& row) { rows.push_back(row); });
        return true;
    } catch (const std::exception& error) {
        ReportError(error);
        return false;
    }
}

void PrintSnapshots(const std::string& dataDir, const TFileInfo& notebook)
{
    for (const std::string& row : ChooseSnapshotFolder(dataDir, notebook.Id).Rows)
        std::printf("    %s\n", Utf8(row).c_str());
}

bool PrintGroup(const std::string& dataDir, const CatalogRow& group)
{
    PrintRow("", group);
    std::vector<CatalogRow> notebooks;
    bool ok = ReadRows([&](const RowSink& sink) { ReadNotebookList(dataDir, group.Info, sink); },
                       notebooks);
    for (const CatalogRow& notebook : notebooks) {
        PrintRow("  ", notebook);
        PrintSnapshots(dataDir, notebook.Info);
    }
    return ok;
}

void PrintSettings(const std::string& dataDir)
{
    HistorySettings settings = ReadHistorySettings(dataDir);
    std::printf("settings: %s=%s %s=%s\n", kIntervalKey, Utf8(settings.Interval).c_str(),
                kCountKey, Utf8(settings.Count).c_str());
}

int RunCatalog(const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].empty()) {
        std::fprintf(stderr, "usage: wenlocke-cli catalog DATADIR\n");
        return kExitUsage;
    }
    std::string dataDir = args[0].back() == '/' ? args[0] : args[0] + '/';
    std::vector<CatalogRow> groups;
    bool groupsRead = ReadRows([&](const RowSink& sink) { ReadGroupList(dataDir, sink); }, groups);
    bool ok = groupsRead;
    for (const CatalogRow& group : groups)
        ok = PrintGroup(dataDir, group) && ok;
    // The window reads the settings only when the group list was read without an error.
    if (groupsRead)
        PrintSettings(dataDir);
    return ok ? kExitOk : kExitFailure;
}

const bool registered = RegisterCommand({"catalog", "catalog DATADIR", RunCatalog});

} // namespace
} // namespace wenlocke::cli
