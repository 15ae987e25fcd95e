// The settings and services that a control gives its documents. The root document of a control
// holds them; nested documents (note texts, table cells) reach them through their root.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vellum/document/document_types.h"
#include "vellum/rv_types.h"
#include "vellum/style/style_types.h"

namespace vellum {

class TCustomRVData;
class TCustomRVInfo;
class TCustomRVItemInfo;
class RvHostedControl;
class TRVStyle;
class TRVDocParameters;
struct RvfReadPass;

using ItemActionEvent = std::function<void(ItemAction itemAction, TCustomRVItemInfo* item,
                                              TRVRawByteString& text, TCustomRVData* rvData)>;
using AddStyleEvent = std::function<void(TCustomRVInfo& style)>;
using ControlActionEvent =
    std::function<void(ControlAction controlAction, int32_t itemNo, RvHostedControl* ctrl)>;

constexpr TRVOptions kDefaultViewerOptions =
    OptionBit<TRVOptions>(rvoAllowSelection) | OptionBit<TRVOptions>(rvoScrollToEnd) |
    OptionBit<TRVOptions>(rvoShowPageBreaks) | OptionBit<TRVOptions>(rvoAutoCopyText) |
    OptionBit<TRVOptions>(rvoAutoCopyRVF) | OptionBit<TRVOptions>(rvoAutoCopyImage) |
    OptionBit<TRVOptions>(rvoAutoCopyRTF) | OptionBit<TRVOptions>(rvoFormatInvalidate) |
    OptionBit<TRVOptions>(rvoDblClickSelectsWord) | OptionBit<TRVOptions>(rvoRClickDeselects) |
    OptionBit<TRVOptions>(rvoFastFormatting);
constexpr TRVFOptions kDefaultRVFOptions = 49219;
constexpr TRVRTFOptions kDefaultRTFOptions = OptionBit<TRVRTFOptions>(rvrtfDuplicateUnicode) |
                                             OptionBit<TRVRTFOptions>(rvrtfSaveEMFAsWMF) |
                                             OptionBit<TRVRTFOptions>(rvrtfSaveJpegAsJpeg);

struct DocumentSettings {
    TRVOptions Options = kDefaultViewerOptions;
    TRVFOptions RVFOptions = kDefaultRVFOptions;
    TRVRTFOptions RTFOptions = kDefaultRTFOptions;
    uint8_t ReadWarnings = 0;
    TRVFReaderStyleMode RVFTextStylesReadMode = rvf_sInsertMerge;
    TRVFReaderStyleMode RVFParaStylesReadMode = rvf_sInsertMerge;
    TRVStyle* Style = nullptr; // not owned
    // The control's DoInPaletteMode: the control keeps the one value; null without a control.
    const TRVPaletteAction* DoInPaletteMode = nullptr;
    TRVBiDiMode BiDiMode = rvbdUnspecified;
    ItemActionEvent OnItemAction;
    ControlActionEvent OnControlAction;
    AddStyleEvent OnAddStyle;
    // Style number maps of the reading pass that is running (index: number in the file, value:
    // number in the style sheet); absent when the pass replaced the tables or read none.
    std::unique_ptr<TRVIntegerList> TextStyleMap;
    std::unique_ptr<TRVIntegerList> ParaStyleMap;
    std::unique_ptr<TRVIntegerList> ListStyleMap;
    // The viewer's document property strings; null for documents without a viewer.
    std::vector<std::string>* DocProperties = nullptr;
    // The viewer's page parameters; null for documents without a viewer.
    TRVDocParameters* DocParameters = nullptr;
    // The RVF reading pass in progress (style maps, nesting depth), shared by the nested reads
    // it starts; null between passes. Owned by the pass.
    RvfReadPass* RVFReadPass = nullptr;

    TRVPaletteAction PaletteMode() const { return DoInPaletteMode ? *DoInPaletteMode : rvpaDoNothing; }
};

} // namespace vellum
