// Helpers shared by the document tests: compact item descriptions and a one-line description of a
// document's items, flags and paragraph numbers.
#pragma once

#include <cctype>
#include <memory>
#include <string>

#include "vellum/document/break_item_info.h"
#include "vellum/document/custom_rv_data.h"
#include "vellum/document/item_registry.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/tab_item_info.h"

namespace vellum::testing {

// Kind letters: T text, B break, M list marker, t tab, G picture, L label.
inline std::unique_ptr<TCustomRVItemInfo> MakeItem(char kind, int32_t paraNo, uint8_t options = 0)
{
    int32_t styleNo = 0;
    switch (kind) {
    case 'B': styleNo = rvsBreak; break;
    case 'M': styleNo = rvsListMarker; break;
    case 't': styleNo = rvsTab; break;
    case 'G': styleNo = rvsPicture; break;
    case 'L': styleNo = rvsLabel; break;
    default: break;
    }
    auto item = CreateItemByStyleNo(nullptr, styleNo);
    item->ParaNo = paraNo;
    item->Options = options;
    return item;
}

inline char KindLetter(const TCustomRVItemInfo& item)
{
    switch (item.StyleNo) {
    case rvsBreak: return 'B';
    case rvsListMarker: return 'M';
    case rvsTab: return 't';
    case rvsPicture: return 'G';
    case rvsLabel: return 'L';
    default: return item.StyleNo >= 0 ? 'T' : '?';
    }
}

// "T0P T0C B0P": kind, ParaNo, then P (starts a paragraph), L (starts a line) or C (continues),
// and "!" for a page break before.
inline std::string Describe(const TCustomRVData& doc)
{
    std::string out;
    for (int32_t i = 0; i < doc.CountItems(); ++i) {
        const TCustomRVItemInfo& item = *doc.ItemAt(i);
        if (!out.empty())
            out += ' ';
        out += KindLetter(item);
        out += std::to_string(item.ParaNo);
        out += doc.StartsParagraphAt(i) ? 'P' : (doc.StartsLineAt(i) ? 'L' : 'C');
        if (item.BreakPageBefore())
            out += '!';
    }
    return out;
}

// Checkpoint names along the chain, then "|" and the end checkpoint's name when there is one.
inline std::string DescribeCheckpoints(const TCustomRVData& doc)
{
    std::string out;
    for (const TRVCPInfo* cp = doc.FirstCheckpoint; cp; cp = cp->Next) {
        out += cp->Name;
        out += '@';
        out += std::to_string(doc.Items.IndexOf(cp->ItemInfo));
        out += ' ';
    }
    if (doc.EndCheckpoint)
        out += "|" + doc.EndCheckpoint->Name;
    return out;
}

// Names parameterised cases after their `name` field, with every non-alphanumeric byte made '_'.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        std::string name = info.param.name;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    }
};

} // namespace vellum::testing
