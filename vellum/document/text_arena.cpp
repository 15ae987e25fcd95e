#include "vellum/document/text_arena.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vellum {
namespace {

constexpr size_t kFirstBlock = 256;
constexpr size_t kLargestBlock = 64 * 1024;
// Texts above this get a block of their own, so that they never leave half a block unused.
constexpr size_t kOwnBlockAbove = kLargestBlock / 4;

} // namespace

TextArena::TextArena(TextArena&& other) noexcept
{
    *this = std::move(other);
}

TextArena& TextArena::operator=(TextArena&& other) noexcept
{
    if (this == &other)
        return *this;
    m_blocks = std::move(other.m_blocks);
    m_next = std::exchange(other.m_next, nullptr);
    m_left = std::exchange(other.m_left, 0);
    m_capacity = std::exchange(other.m_capacity, 0);
    m_nextBlockSize = std::exchange(other.m_nextBlockSize, 0);
    other.m_blocks.clear();
    return *this;
}

char* TextArena::NewBlock(size_t size)
{
    m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
    m_capacity += size;
    return m_blocks.back().get();
}

std::string_view TextArena::Store(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    char* at = nullptr;
    if (bytes.size() > kOwnBlockAbove) {
        at = NewBlock(bytes.size());
    } else {
        if (m_left < bytes.size()) {
            // Blocks double up to the largest size, but a block always holds the text that
            // asked for it: a 1,000-byte text early on must not overrun a 256-byte block.
            m_nextBlockSize = std::clamp(m_nextBlockSize * 2, kFirstBlock, kLargestBlock);
            m_nextBlockSize = std::max(m_nextBlockSize, bytes.size());
            m_next = NewBlock(m_nextBlockSize);
            m_left = m_nextBlockSize;
        }
        at = m_next;
        m_next += bytes.size();
        m_left -= bytes.size();
    }
    std::memcpy(at, bytes.data(), bytes.size());
    return {at, bytes.size()};
}

void TextArena::Adopt(TextArena&& other)
{
    if (this == &other)
        return;
    m_blocks.reserve(m_blocks.size() + other.m_blocks.size());
    for (auto& block : other.m_blocks)
        m_blocks.push_back(std::move(block));
    m_capacity += other.m_capacity;
    // Their free end is not reused: this arena keeps filling its own newest block.
    other = TextArena();
}

void TextArena::Clear()
{
    *this = TextArena();
}

} // namespace vellum
