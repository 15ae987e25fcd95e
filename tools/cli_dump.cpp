// wenlocke-cli dump FILE: reads FILE as the snapshot view does and prints what the document and
// the style sheet hold afterwards as one JSON object; with --stats only their counts.
#include "app/snapshot_style.h"
#include "platform/codepage.h"
#include "tools/cli_command.h"
#include "tools/cli_dump_items.h"
#include "tools/cli_dump_stats.h"
#include "tools/cli_json.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/rvf/rvf_reader.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace wenlocke::cli {
namespace {

using namespace vellum;

std::string Bool(bool value)
{
    return value ? "true" : "false";
}

std::string Utf16ToJson(std::u16string_view text)
{
    return JsonString(platform::ToUtf8(text));
}

std::string SystemTextToJson(std::string_view bytes)
{
    return JsonString(platform::CodePageToUtf8(bytes, platform::SystemCodePage()));
}

std::string FontStyles(const TFontInfo& info)
{
    static const std::pair<FontStyle, const char*> kNames[] = {
        {fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}};
    std::string out;
    for (const auto& [style, name] : kNames) {
        if (!info.Style.Contains(style))
            continue;
        out += (out.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    }
    return "[" + out + "]";
}

std::string TextStyleJson(const TFontInfo& info)
{
    return "{\"name\": " + Utf16ToJson(info.StyleName) + ", \"FontName\": " + Utf16ToJson(info.FontName) +
           ", \"Size\": " + std::to_string(info.Size) + ", \"Unicode\": " + Bool(info.Unicode) +
           ", \"Jump\": " + Bool(info.Jump) +
           ", \"Color\": " + std::to_string(static_cast<uint32_t>(info.Color)) +
           ", \"Style\": " + FontStyles(info) + "}";
}

const char* AlignmentName(TRVAlignment alignment)
{
    switch (alignment) {
    case rvaLeft: return "rvaLeft";
    case rvaRight: return "rvaRight";
    case rvaCenter: return "rvaCenter";
    case rvaJustify: return "rvaJustify";
    }
    return "rvaLeft";
}

std::string ParaStyleJson(const TParaInfo& info)
{
    return "{\"name\": " + Utf16ToJson(info.StyleName) + ", \"Alignment\": \"" +
           AlignmentName(info.Alignment) + "\"}";
}

std::string ListStyleJson(const TRVListInfo& info)
{
    return "{\"name\": " + Utf16ToJson(info.StyleName) + ", \"levels\": " + std::to_string(info.Levels.Count()) + "}";
}

std::string PageParametersJson(const TRVDocParameters& parameters)
{
    std::string out;
    for (const std::string& line : parameters.WriteLines())
        out += (out.empty() ? "" : ", ") + JsonString(line);
    return "[" + out + "]";
}

template <typename Infos, typename Each>
std::string JsonList(const Infos& infos, Each each)
{
    std::string out;
    for (int i = 0; i < infos.Count(); ++i)
        out += (i ? ", " : "") + each(infos[i]);
    return "[" + out + "]";
}

std::string CheckpointJson(const TRVCPInfo* cp)
{
    if (!cp)
        return "null";
    return "{\"name\": " + SystemTextToJson(cp->Name) + ", \"tag\": " + std::to_string(cp->Tag.AsInt()) +
           ", \"raiseEvent\": " + Bool(cp->RaiseEvent) + ", \"pinned\": " + Bool(cp->Pinned) + "}";
}

// The item's text as UTF-8: UTF-16 converted, 8-bit text from its style's code page, and the
// stored name of other items from the system code page.
std::string ItemText(const TCustomRVData& data, const TCustomRVItemInfo& item)
{
    if (item.UnicodeText())
        return platform::ToUtf8(BytesToUtf16(item.Text));
    platform::CodePage codePage = item.StyleNo >= 0 ? data.CodePageOfStyle(data.EffectiveStyleNo(item))
                                                    : platform::SystemCodePage();
    return platform::CodePageToUtf8(item.Text, codePage);
}

std::string DocumentItemsJson(const TCustomRVData& data);

std::string ItemJson(const TCustomRVData& data, int32_t itemNo)
{
    const TCustomRVItemInfo& item = *data.ItemAt(itemNo);
    std::string out = "{\"kind\": " + std::to_string(item.StyleNo) + ", \"para\": " + std::to_string(item.ParaNo) +
                      ", \"flags\": " + std::to_string(item.Options) +
                      ", \"text\": " + JsonString(ItemText(data, item)) +
                      ", \"tag\": " + std::to_string(item.Tag.AsInt());
    out += ItemKindFieldsJson(item, DocumentItemsJson);
    if (item.AttachedCheckpoint)
        out += ", \"checkpoint\": " + CheckpointJson(item.AttachedCheckpoint.get());
    return out + "}";
}

std::string DocumentItemsJson(const TCustomRVData& data)
{
    std::string items;
    for (int32_t i = 0; i < data.CountItems(); ++i)
        items += (i ? ", " : "") + ItemJson(data, i);
    return "[" + items + "]";
}

std::string DumpJson(const SnapshotDocument& doc, bool ok)
{
    const TCustomRVData& data = doc.Data;
    std::string properties;
    for (size_t i = 0; i < doc.Properties.size(); ++i)
        properties += (i ? ", " : "") + SystemTextToJson(doc.Properties[i]);
    return "{\"ok\": " + Bool(ok) + ", \"warnings\": " + std::to_string(data.Settings().ReadWarnings) +
           ", \"textStyles\": " + JsonList(doc.Style.TextStyles(), TextStyleJson) +
           ", \"paraStyles\": " + JsonList(doc.Style.ParaStyles(), ParaStyleJson) +
           ", \"listStyles\": " + std::to_string(doc.Style.ListStyles().Count()) +
           ", \"items\": " + DocumentItemsJson(data) +
           ", \"endCheckpoint\": " + CheckpointJson(data.EndCheckpoint.get()) + ", \"properties\": [" +
           properties + "], \"listStyleTable\": " + JsonList(doc.Style.ListStyles(), ListStyleJson) +
           ", \"pageParameters\": " + PageParametersJson(doc.Parameters) + "}\n";
}

int RunDump(const std::vector<std::string>& args)
{
    const bool stats = !args.empty() && args[0] == "--stats";
    if (args.size() != (stats ? 2u : 1u)) {
        std::fprintf(stderr, "usage: wenlocke-cli dump [--stats] FILE\n");
        return kExitUsage;
    }
    SnapshotDocument doc;
    bool ok = ReadRvfFile(doc.Data, args.back());
    NumberDocument(doc.Data);
    std::string json = stats ? DumpStatsJson(doc, ok) : DumpJson(doc, ok);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand({"dump", "dump [--stats] FILE", RunDump});

} // namespace
} // namespace wenlocke::cli
