// A numbered sequence field: a label whose caption is its number in the sequence of its name.
#pragma once

#include <string>

#include "vellum/document/label_item_info.h"
#include "vellum/document/numbering_lists.h"

namespace vellum {

// The name a sequence made in code without a name counts under.
inline constexpr const char* kDefaultSeqName = "Sequence";

class TRVSeqItemInfo : public TRVLabelItemInfo {
public:
    explicit TRVSeqItemInfo(TCustomRVData* RVData);
    TRVSeqItemInfo(TCustomRVData* RVData, const std::string& CounterName, TRVSeqType NumberFormat,
                   int32_t TextStyleNo, bool RestartNumbering, int32_t RestartValue);

    std::string CounterName;
    TRVSeqType NumberFormat = rvseqDecimal;
    bool RestartNumbering = false;
    int32_t RestartValue = 1;
    std::string CaptionFormat;
    int32_t SequenceValue = -1; // -1 until numbered

    virtual TRVSeqType GetNumberFormat() const { return NumberFormat; }
    virtual void SetNumberFormat(TRVSeqType value) { NumberFormat = value; }
    // The number text of SequenceValue, passed through CaptionFormat when that is set.
    std::string BuildCaption() const;
    // Rebuilds the caption from SequenceValue (marking it for measuring when it changed).
    virtual void UpdateCaption() { SetCaption(BuildCaption()); }

    void AssignFrom(const TCustomRVItemInfo& Source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;

protected:
    // The caption style and restart settings that an item made in code is given.
    void SetNumbering(int32_t TextStyleNo, int32_t StartFrom, bool Reset);
};

// Numbers the sequence of the item at StartIndex of List from there on: every later item of the
// same counter name (compared without regard to case) takes its RestartValue when it restarts
// numbering, else one more than the nearest earlier item of that name, or 1; captions follow.
void RenumberSequence(SeqList& List, int32_t StartIndex);

// Number texts of the sequence formats. Roman numerals are built from M downwards without an
// upper limit up to kMaxRomanValue; larger values are written in decimal so that one field cannot
// grow without bound.
inline constexpr int32_t kMaxRomanValue = 100000;
std::string SeqNumberText(int32_t Value, TRVSeqType Format);
std::string DecimalText(int32_t Value);
std::string AlphaText(int32_t Value);  // 1 "A" .. 26 "Z", 27 "AA"; 0 or less empty
std::string RomanText(int32_t Value);  // "?" for 0 or less
// Applies a caption format: "%s" inserts Number and "%%" a percent sign. A format with any other
// directive is refused and gives an empty caption.
std::string FormatSeqCaption(const std::string& Format, const std::string& Number);

} // namespace vellum
