// Profile text handled as bytes: we find the lines that matter and splice new bytes in, so that
// everything else in the file stays exactly as it was.
#include "platform/profile.h"

#include "platform/codepage.h"

#include <optional>
#include <string_view>

namespace platform {
namespace {

struct Line {
    size_t begin = 0;
    size_t contentEnd = 0; // before the line end
    size_t end = 0;        // after the line end
};

struct KeyLine {
    size_t line = 0;
    std::string_view key;
    std::optional<size_t> equals; // position of '=' in the text
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Case-insensitive for ASCII letters; the second byte of a double-byte character is never
// folded, since it may fall in the ASCII letter range.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (i + 1 < a.size() && IsLeadByte(kCodePageGbk, uint8_t(a[i])) &&
            IsTrailByte(kCodePageGbk, uint8_t(a[i + 1]))) {
            if (a.compare(i, 2, b.substr(i, 2)) != 0)
                return false;
            ++i;
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// Position of the ASCII byte C at a character start, so that the second byte of a double-byte
// character (which may be ']') is never taken for it.
size_t FindAtCharStart(std::string_view s, char c)
{
    for (size_t i = 0; i < s.size(); i = NextCharBoundary(kCodePageGbk, s, i)) {
        if (s[i] == c)
            return i;
    }
    return std::string_view::npos;
}

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    size_t pos = (text.substr(0, 3) == "\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size()) {
        const size_t newline = text.find('\n', pos);
        Line line{pos, newline, newline + 1};
        if (newline == std::string_view::npos)
            line = {pos, text.size(), text.size()};
        else if (newline > pos && text[newline - 1] == '\r')
            line.contentEnd = newline - 1;
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

std::string_view ContentOf(std::string_view text, const Line& line)
{
    return text.substr(line.begin, line.contentEnd - line.begin);
}

// The trimmed name of a section line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view content)
{
    content = Trim(content);
    if (content.empty() || content.front() != '[')
        return std::nullopt;
    const size_t close = FindAtCharStart(content, ']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(content.substr(1, close - 1));
}

std::optional<KeyLine> ParseKeyLine(std::string_view text, const std::vector<Line>& lines, size_t i)
{
    const std::string_view content = ContentOf(text, lines[i]);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return KeyLine{i, trimmed, std::nullopt};
    const std::string_view key = Trim(content.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return KeyLine{i, key, lines[i].begin + equals};
}

struct SectionSpan {
    size_t header = 0;    // index of the section line
    size_t bodyEnd = 0;   // index of the next section line, or the line count
};

std::optional<SectionSpan> FindSection(std::string_view text, const std::vector<Line>& lines,
                                       std::string_view section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(ContentOf(text, lines[i]));
        if (!name || !SameName(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(ContentOf(text, lines[end])))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<KeyLine> FindKey(std::string_view text, const std::vector<Line>& lines,
                               const SectionSpan& span, std::string_view key)
{
    for (size_t i = span.header + 1; i < span.bodyEnd; ++i) {
        const auto keyLine = ParseKeyLine(text, lines, i);
        if (keyLine && SameName(keyLine->key, key))
            return keyLine;
    }
    return std::nullopt;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string CutToLimit(std::string_view value)
{
    return std::string(value.substr(0, kMaxProfileValue));
}

std::string_view ValueOf(std::string_view text, const std::vector<Line>& lines, const KeyLine& key)
{
    if (!key.equals)
        return {};
    const size_t start = *key.equals + 1;
    return Unquote(Trim(text.substr(start, lines[key.line].contentEnd - start)));
}

std::string LineEndOf(std::string_view text)
{
    const size_t newline = text.find('\n');
    if (newline == std::string_view::npos)
        return "\r\n";
    return (newline > 0 && text[newline - 1] == '\r') ? "\r\n" : "\n";
}

bool EndsWithLineEnd(std::string_view text)
{
    return !text.empty() && text.back() == '\n';
}

std::string AppendSection(const std::string& text, const std::string& section,
                          const std::string& key, const std::string& value)
{
    const std::string eol = LineEndOf(text);
    std::string out = text;
    if (!out.empty() && !EndsWithLineEnd(out))
        out += eol;
    return out + "[" + section + "]" + eol + key + "=" + value + eol;
}

// Replaces what follows '=' (after its blanks) up to the line end; a key line without '=' gets
// one. The key's spelling and the line end stay.
std::string RewriteValue(const std::string& text, const std::vector<Line>& lines,
                         const KeyLine& key, const std::string& value)
{
    const Line& line = lines[key.line];
    if (!key.equals) {
        const size_t keyEnd = size_t(key.key.data() + key.key.size() - text.data());
        return text.substr(0, keyEnd) + "=" + value + text.substr(line.contentEnd);
    }
    size_t start = *key.equals + 1;
    while (start < line.contentEnd && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    return text.substr(0, start) + value + text.substr(line.contentEnd);
}

// Inserts the key after the section's last non-blank line.
std::string InsertKey(const std::string& text, const std::vector<Line>& lines,
                      const SectionSpan& span, const std::string& key, const std::string& value)
{
    size_t last = span.header;
    for (size_t i = span.header + 1; i < span.bodyEnd; ++i) {
        if (!Trim(ContentOf(text, lines[i])).empty())
            last = i;
    }
    const std::string eol = LineEndOf(text);
    const Line& after = lines[last];
    const bool hasLineEnd = after.end > after.contentEnd;
    const std::string inserted = (hasLineEnd ? "" : eol) + key + "=" + value + eol;
    return text.substr(0, after.end) + inserted + text.substr(after.end);
}

std::string WithValue(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value)
{
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(text, lines, section);
    if (!span)
        return AppendSection(text, section, key, value);
    const auto keyLine = FindKey(text, lines, *span, key);
    if (keyLine)
        return RewriteValue(text, lines, *keyLine, value);
    return InsertKey(text, lines, *span, key, value);
}

bool HasLineEnd(const std::string& s)
{
    return s.find_first_of("\r\n") != std::string::npos;
}

bool IsTrimmedName(const std::string& name)
{
    return !name.empty() && !HasLineEnd(name) && Trim(name).size() == name.size();
}

} // namespace

std::string ProfileValueFromText(const std::string& text, const std::string& section,
                                 const std::string& key, const std::string& defaultValue)
{
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(text, lines, section);
    const auto keyLine = span ? FindKey(text, lines, *span, key) : std::nullopt;
    if (!keyLine) {
        std::string_view fallback = defaultValue;
        while (!fallback.empty() && IsBlank(fallback.back()))
            fallback.remove_suffix(1);
        return CutToLimit(fallback);
    }
    return CutToLimit(ValueOf(text, lines, *keyLine));
}

bool IsWritableProfileEntry(const std::string& section, const std::string& key,
                            const std::string& value)
{
    // The closing bracket must not pair up with a last lead byte, nor come early.
    if (!IsTrimmedName(section) || SectionName("[" + section + "]") != std::string_view(section))
        return false;
    if (!IsTrimmedName(key) || key.find('=') != std::string::npos)
        return false;
    return key.front() != '[' && key.front() != ';' && !HasLineEnd(value);
}

std::string ProfileValueAsRead(const std::string& value)
{
    return CutToLimit(Unquote(Trim(value)));
}

std::string ProfileTextWithValues(const std::string& text, const std::string& section,
                                  const ProfileEntries& entries)
{
    std::string result = text;
    for (const auto& [key, value] : entries) {
        if (IsWritableProfileEntry(section, key, value))
            result = WithValue(result, section, key, value);
    }
    return result;
}

} // namespace platform
