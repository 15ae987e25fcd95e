// The record grammar on byte strings: what the state machine hands to its sink.
#include "vellum/rvf/rvf_record_machine.h"

#include "tests/vellum/rvf/printable_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum {
namespace {

using namespace std::string_literals;

using vellum::testing::Printable;

// Logs what the machine hands over. Known item kinds read their lines; items of DataMode 2
// ask for a binary block before their last line, as picture records do.
class RecordingSink : public RvfRecordSink {
public:
    std::string log;
    bool stringTags = false;
    std::vector<std::string> textStyles{"Normal text", "Heading"};

    int32_t TextStyleByName(std::string_view name) override { return Find(name); }
    int32_t ParaStyleByName(std::string_view name) override { return Find(name) + 100; }
    bool TagsAreStrings() const override { return stringTags; }

    RvfRecordPlan BeginRecord(RvfHeader& h, RvfFieldCursor& rest) override
    {
        log += "H" + std::to_string(h.StyleNo) + (h.StyleByName ? "n" : "") + "," +
               std::to_string(h.LineCount) + "," + std::to_string(h.ParaNo) +
               (h.ParaByName ? "n" : "") + ",o" + std::to_string(h.Options) + ",m" +
               std::to_string(h.DataMode) + ",t" +
               (h.Tag.Str ? "'" + *h.Tag.Str + "'" : std::to_string(h.Tag.Int));
        if (h.StyleNo == kRvfCheckpointRecord)
            log += ",cp" + std::to_string(h.RaiseEvent) + std::to_string(h.Pinned);
        if (h.StyleNo == kRvfPropertyRecord)
            log += ",sub" + std::to_string(h.SubKind);
        if (h.StyleNo == kRvfBackgroundRecord)
            log += ",bg" + std::to_string(h.BackgroundStyle) + "/" + std::to_string(h.BackgroundColor);
        if (!rest.AtLineEnd())
            log += ",rest=" + std::string(rest.Rest());
        log += h.Utf8 ? ",u8" : "";
        log += " ";
        if (h.StyleNo >= 0)
            return (h.Options & 8) && h.DataMode != kRvfDataHexUnicode
                       ? RvfRecordPlan::ReadUnicodeLines
                       : RvfRecordPlan::ReadLines;
        if (h.StyleNo >= -11)
            return RvfRecordPlan::ReadLines;
        return RvfRecordPlan::SkipLines;
    }
    bool DataLine(RvfHeader& h, std::string_view line, RvfLineMode& mode) override
    {
        log += "L[" + Printable(line) + "] ";
        if (h.DataMode == kRvfDataBinary && h.LineIndex == h.LineCount - 2)
            mode = RvfLineMode::BinaryNext;
        return line != "reject";
    }
    bool Insert(RvfHeader& h, const std::string_view* text) override
    {
        log += text ? "I[" + Printable(*text) + "] " : "I" + std::to_string(h.StyleNo) + " ";
        return true;
    }
    void EndTextRecord(RvfHeader&) override { log += "E "; }

private:
    int32_t Find(std::string_view name)
    {
        for (size_t i = 0; i < textStyles.size(); ++i)
            if (textStyles[i] == name)
                return static_cast<int32_t>(i);
        return 0;
    }
};

struct MachineCase {
    const char* what;
    std::string input;
    bool ok;
    std::string log;
};

void RunCases(const std::vector<MachineCase>& cases, bool stringTags = false)
{
    for (const MachineCase& c : cases) {
        RecordingSink sink;
        sink.stringTags = stringTags;
        RvfRecordMachine machine(sink);
        bool ok = machine.Run(c.input);
        EXPECT_EQ(ok, c.ok) << c.what;
        std::string log = sink.log.empty() ? sink.log : sink.log.substr(0, sink.log.size() - 1);
        EXPECT_EQ(log, c.log) << c.what;
    }
}

TEST(RvfRecordMachine, RecordsAndVersions)
{
    RunCases({
        {"empty", "", true, ""},
        {"version only", "-8 1 3\r\n", true, ""},
        {"two lines of one header", "0 2 0 0 0 0\r\nab\r\ncd\r\n", true,
         "H0,2,0,o0,m0,t0,rest=0 I[ab] I[cd] E"},
        {"no Options before 1.2", "0 1 0 0 0\r\nx", true, "H0,1,0,o0,m0,t0 I[x] E"},
        {"Options from 1.2", "-8 1 2\r\n0 1 0 5 0 7\r\nx\r\n", true, "H0,1,0,o5,m0,t7 I[x] E"},
        {"2.0 has no Options", "-8 2 0\r\n0 1 0 0 0\r\nx\r\n", true, "H0,1,0,o0,m0,t0 I[x] E"},
        {"2.1 has no Options", "-8 2 1\r\n0 1 0 0 7 extra\r\nx\r\n", true,
         "H0,1,0,o0,m0,t7,rest=extra I[x] E"},
        {"Options low byte", "-8 1 3\r\n0 1 0 257 0 0\r\nx\r\n", true, "H0,1,0,o1,m0,t0 I[x] E"},
        {"UTF-8 version", "-8 1 3 1\r\n0 0 0 0 0 0\r\n", true, "H0,0,0,o0,m0,t0,u8 I0"},
        {"version third value 0", "-8 1 3 0\r\n0 0 0 0 0 0\r\n", true, "H0,0,0,o0,m0,t0 I0"},
        {"version without minor", "-8 1\r\n", false, ""},
        {"lone CR and LF endings", "0 2 0 0 0\rab\ncd", true, "H0,2,0,o0,m0,t0 I[ab] I[cd] E"},
        {"zero lines", "0 0 1 0 0\r\n3 0 0 0 0\r\n", true, "H0,0,1,o0,m0,t0 I0 H3,0,0,o0,m0,t0 I3"},
        {"styles by name", "\"Heading\" 1 \"Normal text\" 0 0\r\nx\r\n", true,
         "H1n,1,100n,o0,m0,t0 I[x] E"},
        {"unknown name is 0", "\"nope\" 1 0 0 0\r\nx\r\n", true, "H0n,1,0,o0,m0,t0 I[x] E"},
        {"name with quotes and escapes", "\"Head\"\"x\" 0 0 0 0\r\n", true,
         "H0n,0,0,o0,m0,t0 I0"},
        {"unknown kind skipped", "-77 3 0 0 0 0\r\na\r\nb\r\nc\r\n0 1 0 0 0\r\nx\r\n", true,
         "H-77,3,0,o0,m0,t0,rest=0 I-77 H0,1,0,o0,m0,t0 I[x] E"},
        {"checkpoint", "-8 1 3\r\n-2 1 0 0 0 5 1 1\r\nname\r\n", true, "H-2,1,0,o0,m0,t5,cp11 L[name]"},
        {"checkpoint flags optional", "-2 1 0 0 0\r\nname\r\n", true,
         "H-2,1,0,o0,m0,t0,cp00 L[name]"},
        {"property record", "-9 1 0 0 0 5\r\nprop\r\n", true, "H-9,1,0,o0,m0,t0,sub5 L[prop]"},
        {"background record", "-7 0 -1 0 0 3 255\r\n", true,
         "H-7,0,-1,o0,m0,t0,bg3/255 I-7"},
        {"item lines then insertion", "-1 2 0 0 0 1 2 3\r\na=1\r\nb=2\r\n", true,
         "H-1,2,0,o0,m0,t0,rest=1 2 3 L[a=1] L[b=2] I-1"},
    });
}

TEST(RvfRecordMachine, BinaryAndUnicodeFraming)
{
    RunCases({
        {"binary last line", "-3 3 0 2 0\r\nname\r\nTBitmap\r\n\x03\0\0\0a\r\n0 0 0 0 0\r\n"s,
         true, "H-3,3,0,o0,m2,t0 L[name] L[TBitmap] L[a\\x0D\\x0A] I-3 H0,0,0,o0,m0,t0 I0"},
        {"binary length past end", "-3 2 0 2 0\r\nname\r\n\x09\0\0\0abc"s, false,
         "H-3,2,0,o0,m2,t0 L[name]"},
        {"binary without CR LF", "-3 2 0 2 0\r\nname\n\x01\0\0\0a"s, false,
         "H-3,2,0,o0,m2,t0 L[name]"},
        {"skipped binary record", "-77 2 0 2 0\r\nx\r\n\x02\0\0\0\r\n0 0 0 0 0\r\n"s, true,
         "H-77,2,0,o0,m2,t0 I-77 H0,0,0,o0,m0,t0 I0"},
        {"skipped one-line binary record", "-77 1 0 2 0\r\n\x02\0\0\0\r\n0 0 0 0 0\r\n"s, true,
         "H-77,1,0,o0,m2,t0 I-77 H0,0,0,o0,m0,t0 I0"},
        {"raw UTF-16 lines", "-8 1 3\r\n0 2 0 8 0 0\r\nA\0\x29\x20" "B\0\x29\x20" "0 0 0 0 0 0\r\n"s,
         true, "H0,2,0,o8,m0,t0 I[A\\x00] I[B\\x00] E H0,0,0,o0,m0,t0 I0"},
        {"raw UTF-16 needs CR LF", "-8 1 3\r\n0 1 0 8 0 0\nA\0\x29\x20"s, false,
         "H0,1,0,o8,m0,t0"},
        {"hex Unicode lines are text", "-8 1 3\r\n0 1 0 8 3 0\r\n4100\r\n"s, true,
         "H0,1,0,o8,m3,t0 I[4100] E"},
        {"U+0000 stops raw reading", "-8 1 3\r\n0 3 0 8 0 0\r\nA\0\0\0B\0"s, false,
         "H0,3,0,o8,m0,t0 I[A\\x00]"},
        {"raw line cut inside a unit", "-8 1 3\r\n0 1 0 8 0 0\r\nA\0B"s, false,
         "H0,1,0,o8,m0,t0"},
    });
}

TEST(RvfRecordMachine, Failures)
{
    RunCases({
        {"garbage header", "hello\r\n", false, ""},
        {"missing LineCount", "0\r\n", false, ""},
        {"missing DataMode", "0 1 0 0\r\n", false, ""},
        {"missing Options under 1.2", "-8 1 2\r\n0 1 0 0 0\r\n", false, ""},
        {"overflowing LineCount", "0 2147483648 0 0 0\r\n", false, ""},
        {"overflow in an optional field", "-8 1 3 99999999999\r\n", false, ""},
        {"overflowing StyleNo", "-2147483648 0 0 0 0\r\n", false, ""},
        {"stream ends inside a record", "0 2 0 0 0\r\nab\r\n", false,
         "H0,2,0,o0,m0,t0 I[ab]"},
        {"NUL stalls the pass", "0 5 0 0 0\r\nab\0\r\ncd"s, false, "H0,5,0,o0,m0,t0 I[ab]"},
        {"huge LineCount then NUL", "0 2000000000 0 0 0\r\n\0"s, false, "H0,2000000000,0,o0,m0,t0"},
        {"negative LineCount never completes", "0 -1 0 0 0\r\na\r\nb\r\n", false,
         "H0,-1,0,o0,m0,t0 I[a] I[b]"},
        {"item rejects a line", "-1 1 0 0 0\r\nreject\r\n0 0 0 0 0\r\n", false,
         "H-1,1,0,o0,m0,t0 L[reject]"},
        {"not a number after a number", "0 1 x 0 0\r\n", false, ""},
        {"word as style is the empty name; next field fails", "abc 1 0 0 0\r\n", false, ""},
        {"checkpoint flag not a number", "-2 1 0 0 0 x\r\n", false, ""},
        {"background without colour", "-7 0 0 0 0 1\r\n", false, ""},
        {"property without sub-kind", "-9 0 0 0 0\r\n", false, ""},
        {"trailing NUL after records", "0 0 0 0 0\r\n\0"s, false, "H0,0,0,o0,m0,t0 I0"},
    });
}

TEST(RvfRecordMachine, StringTags)
{
    RunCases(
        {
            {"bare token", "0 0 0 0 abc\r\n", true, "H0,0,0,o0,m0,t'abc' I0"},
            {"bare 0 is no tag", "0 0 0 0 0\r\n", true, "H0,0,0,o0,m0,t0 I0"},
            {"empty bare token fails", "0 0 0 0 \r\n", false, ""},
            {"quoted before 1.3 is a bare token", "-8 1 2\r\n0 0 0 0 0 \"a\r\n", true,
             "H0,0,0,o0,m0,t'\"a' I0"},
            {"quoted from 1.3", "-8 1 3\r\n0 0 0 0 0 \"a b\"\r\n", true, "H0,0,0,o0,m0,t'a b' I0"},
            {"quoted 0 is a tag", "-8 1 3\r\n0 0 0 0 0 \"0\"\r\n", true, "H0,0,0,o0,m0,t'0' I0"},
            {"escapes in tags", "-8 1 3\r\n0 0 0 0 0 \"a\x01\x02\"\r\n", true,
             "H0,0,0,o0,m0,t'a\r\n' I0"},
            {"unterminated quoted tag", "-8 1 3\r\n0 0 0 0 0 \"ab\r\n", false, ""},
        },
        true);
    RunCases({{"integer tag must convert", "0 0 0 0 abc\r\n", false, ""}});
}

} // namespace
} // namespace vellum
