#include "vellum/document/seq_item_info.h"

#include <cctype>
#include <cstdint>

namespace vellum {

TRVSeqItemInfo::TRVSeqItemInfo(TCustomRVData* RVData) : TRVLabelItemInfo(RVData)
{
    StyleNo = rvsSequence;
}

TRVSeqItemInfo::TRVSeqItemInfo(TCustomRVData* RVData, const std::string& CounterName,
                               TRVSeqType NumberFormat, int32_t TextStyleNo, bool RestartNumbering,
                               int32_t RestartValue)
    : TRVSeqItemInfo(RVData)
{
    this->CounterName = CounterName.empty() ? kDefaultSeqName : CounterName;
    this->NumberFormat = NumberFormat;
    SetNumbering(TextStyleNo, RestartValue, RestartNumbering);
}

void TRVSeqItemInfo::SetNumbering(int32_t TextStyleNo, int32_t StartFrom, bool Reset)
{
    CaptionStyleNo = TextStyleNo;
    RestartValue = StartFrom;
    RestartNumbering = Reset;
}

std::string TRVSeqItemInfo::BuildCaption() const
{
    std::string number = SeqNumberText(SequenceValue, GetNumberFormat());
    if (CaptionFormat.empty())
        return number;
    return FormatSeqCaption(CaptionFormat, number);
}

void TRVSeqItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVLabelItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVSeqItemInfo*>(&Source);
    if (!source)
        return;
    CounterName = source->CounterName;
    NumberFormat = source->NumberFormat;
    RestartNumbering = source->RestartNumbering;
    RestartValue = source->RestartValue;
    CaptionFormat = source->CaptionFormat;
    SequenceValue = source->SequenceValue;
}

std::unique_ptr<TCustomRVItemInfo> TRVSeqItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVSeqItemInfo>(RVData);
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

void RenumberSequence(SeqList& List, int32_t StartIndex)
{
    if (StartIndex < 0 || StartIndex >= List.Count())
        return;
    const std::string name = List[StartIndex]->CounterName;
    int32_t previous = 0;
    for (int32_t i = StartIndex - 1; i >= 0; --i) {
        if (SameCounterName(List[i]->CounterName, name)) {
            previous = List[i]->SequenceValue;
            break;
        }
    }
    for (int32_t i = StartIndex; i < List.Count(); ++i) {
        TRVSeqItemInfo* item = List[i];
        if (!SameCounterName(item->CounterName, name))
            continue;
        // Wrapping past the largest number would be nonsense; the count stays there instead.
        int32_t next = previous == INT32_MAX ? previous : previous + 1;
        item->SequenceValue = item->RestartNumbering ? item->RestartValue : next;
        previous = item->SequenceValue;
        item->UpdateCaption();
    }
}

std::string DecimalText(int32_t Value)
{
    return std::to_string(Value);
}

std::string AlphaText(int32_t Value)
{
    std::string text;
    // Bijective base 26: each step takes the digit 1..26 off the end.
    for (int64_t n = Value; n > 0; n = (n - 1) / 26)
        text.insert(text.begin(), static_cast<char>('A' + (n - 1) % 26));
    return text;
}

std::string RomanText(int32_t Value)
{
    static constexpr struct {
        int32_t value;
        const char* text;
    } kRoman[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                  {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                  {5, "V"},    {4, "IV"},   {1, "I"}};
    if (Value <= 0)
        return "?";
    if (Value > kMaxRomanValue)
        return DecimalText(Value);
    std::string text;
    for (const auto& step : kRoman) {
        for (; Value >= step.value; Value -= step.value)
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

std::string SeqNumberText(int32_t Value, TRVSeqType Format)
{
    switch (Format) {
    case rvseqDecimal:
        return DecimalText(Value);
    case rvseqLowerAlpha:
        return LowerCase(AlphaText(Value));
    case rvseqUpperAlpha:
        return AlphaText(Value);
    case rvseqLowerRoman:
        return LowerCase(RomanText(Value));
    case rvseqUpperRoman:
        return RomanText(Value);
    }
    return DecimalText(Value);
}

std::string FormatSeqCaption(const std::string& Format, const std::string& Number)
{
    std::string result;
    for (size_t i = 0; i < Format.size(); ++i) {
        if (Format[i] != '%') {
            result += Format[i];
            continue;
        }
        char directive = i + 1 < Format.size() ? Format[i + 1] : '\0';
        if (directive == 's')
            result += Number;
        else if (directive == '%')
            result += '%';
        else
            return std::string();
        ++i;
    }
    return result;
}

} // namespace vellum
