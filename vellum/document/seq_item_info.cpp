#include "vellum/document/seq_item_info.h"

#include <cctype>
#include <cstdint>

namespace vellum {

TRVSeqItemInfo::TRVSeqItemInfo(TCustomRVData* rvData) : TRVLabelItemInfo(rvData)
{
    StyleNo = rvsSequence;
}

TRVSeqItemInfo::TRVSeqItemInfo(TCustomRVData* rvData, const std::string& counterName,
                               TRVSeqType numberFormat, int32_t textStyleNo, bool restartNumbering,
                               int32_t restartValue)
    : TRVSeqItemInfo(rvData)
{
    this->CounterName = counterName.empty() ? kDefaultSeqName : counterName;
    this->NumberFormat = numberFormat;
    SetNumbering(textStyleNo, restartValue, restartNumbering);
}

void TRVSeqItemInfo::SetNumbering(int32_t textStyleNo, int32_t startFrom, bool reset)
{
    CaptionStyleNo = textStyleNo;
    RestartValue = startFrom;
    RestartNumbering = reset;
}

std::string TRVSeqItemInfo::BuildCaption() const
{
    std::string number = SeqNumberText(SequenceValue, GetNumberFormat());
    if (CaptionFormat.empty())
        return number;
    return FormatSeqCaption(CaptionFormat, number);
}

void TRVSeqItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVLabelItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVSeqItemInfo*>(&source);
    if (!src)
        return;
    CounterName = src->CounterName;
    NumberFormat = src->NumberFormat;
    RestartNumbering = src->RestartNumbering;
    RestartValue = src->RestartValue;
    CaptionFormat = src->CaptionFormat;
    SequenceValue = src->SequenceValue;
}

std::unique_ptr<TCustomRVItemInfo> TRVSeqItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVSeqItemInfo>(rvData);
}

static bool SameCounterName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

void RenumberSequence(SeqList& list, int32_t startIndex)
{
    if (startIndex < 0 || startIndex >= list.Count())
        return;
    const std::string name = list[startIndex]->CounterName;
    int32_t previous = 0;
    for (int32_t i = startIndex - 1; i >= 0; --i) {
        if (SameCounterName(list[i]->CounterName, name)) {
            previous = list[i]->SequenceValue;
            break;
        }
    }
    for (int32_t i = startIndex; i < list.Count(); ++i) {
        TRVSeqItemInfo* item = list[i];
        if (!SameCounterName(item->CounterName, name))
            continue;
        // Wrapping past the largest number would be nonsense; the count stays there instead.
        int32_t next = previous == INT32_MAX ? previous : previous + 1;
        item->SequenceValue = item->RestartNumbering ? item->RestartValue : next;
        previous = item->SequenceValue;
        item->UpdateCaption();
    }
}

std::string DecimalText(int32_t value)
{
    return std::to_string(value);
}

std::string AlphaText(int32_t value)
{
    std::string text;
    // Bijective base 26: each step takes the digit 1..26 off the end.
    for (int64_t n = value; n > 0; n = (n - 1) / 26)
        text.insert(text.begin(), static_cast<char>('A' + (n - 1) % 26));
    return text;
}

std::string RomanText(int32_t value)
{
    static constexpr struct {
        int32_t value;
        const char* text;
    } kRoman[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                  {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                  {5, "V"},    {4, "IV"},   {1, "I"}};
    if (value <= 0)
        return "?";
    if (value > kMaxRomanValue)
        return DecimalText(value);
    std::string text;
    for (const auto& step : kRoman) {
        for (; value >= step.value; value -= step.value)
            text += step.text;
    }
    return text;
}

static std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string SeqNumberText(int32_t value, TRVSeqType format)
{
    switch (format) {
    case rvseqDecimal:
        return DecimalText(value);
    case rvseqLowerAlpha:
        return LowerCase(AlphaText(value));
    case rvseqUpperAlpha:
        return AlphaText(value);
    case rvseqLowerRoman:
        return LowerCase(RomanText(value));
    case rvseqUpperRoman:
        return RomanText(value);
    }
    return DecimalText(value);
}

std::string FormatSeqCaption(const std::string& format, const std::string& number)
{
    std::string result;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            result += format[i];
            continue;
        }
        char directive = i + 1 < format.size() ? format[i + 1] : '\0';
        if (directive == 's')
            result += number;
        else if (directive == '%')
            result += '%';
        else
            return std::string();
        ++i;
    }
    return result;
}

} // namespace vellum
