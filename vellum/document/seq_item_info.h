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
    explicit TRVSeqItemInfo(TCustomRVData* rvData);
    TRVSeqItemInfo(TCustomRVData* rvData, const std::string& counterName, TRVSeqType numberFormat,
                   int32_t textStyleNo, bool restartNumbering, int32_t restartValue);

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

    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;

protected:
    // The caption style and restart settings that an item made in code is given.
    void SetNumbering(int32_t textStyleNo, int32_t startFrom, bool reset);
};

// Numbers the sequence of the item at StartIndex of List from there on: every later item of the
// same counter name (compared without regard to case) takes its RestartValue when it restarts
// numbering, else one more than the nearest earlier item of that name, or 1; captions follow.
void RenumberSequence(SeqList& list, int32_t startIndex);

// Number texts of the sequence formats. Roman numerals are built from M downwards without an
// upper limit up to kMaxRomanValue; larger values are written in decimal so that one field cannot
// grow without bound.
inline constexpr int32_t kMaxRomanValue = 100000;
std::string SeqNumberText(int32_t value, TRVSeqType format);
std::string DecimalText(int32_t value);
std::string AlphaText(int32_t value);  // 1 "A" .. 26 "Z", 27 "AA"; 0 or less empty
std::string RomanText(int32_t value);  // "?" for 0 or less
// Applies a caption format: "%s" inserts Number and "%%" a percent sign. A format with any other
// directive is refused and gives an empty caption.
std::string FormatSeqCaption(const std::string& format, const std::string& number);

} // namespace vellum
