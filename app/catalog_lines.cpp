// Line and field rules of the catalog files, and the entries that list rows carry.
#include "app/catalog.h"

#include "platform/codepage.h"

namespace wenlocke {
namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The longest prefix of at most LIMIT bytes that ends on a character boundary.
std::string_view CutToWholeCharacter(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text;
    size_t end = 0;
    for (;;) {
        size_t next = platform::NextCharBoundary(platform::kCodePageGbk, text, end);
        if (next > limit || next == end)
            return text.substr(0, end);
        end = next;
    }
}

} // namespace

std::vector<std::string_view> SplitCatalogLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return lines;
}

std::vector<std::string> SplitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::string_view rest = TrimBlanks(line);
    while (!rest.empty()) {
        size_t comma = rest.find(',');
        std::string_view piece = rest.substr(0, comma);
        // An empty piece (",," or a leading comma) gives no field; blanks only give an empty one.
        if (!piece.empty())
            fields.emplace_back(TrimBlanks(piece));
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return fields;
}

TFileInfo MakeFileInfo(std::string_view name, std::string_view id)
{
    // The id keeps the plain byte cut because the editor names the snapshot folders by it; a
    // name is only shown, so half a character is dropped rather than shown as garbage.
    return TFileInfo{std::string(CutToWholeCharacter(name, kMaxEntryBytes)),
                     std::string(id.substr(0, kMaxEntryBytes)), id.size() > kMaxEntryBytes};
}

} // namespace wenlocke
