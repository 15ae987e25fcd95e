// Storage for the texts of a document's items: bytes are appended to blocks that grow from a few
// hundred bytes to 64 KB, so that a document of many short runs costs about its text and no heap
// block per item, and a small nested document (a note, a table cell) stays small. Stored bytes
// stay where they are until the arena is cleared or destroyed; nothing is freed one by one.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace vellum {

class TextArena {
public:
    TextArena() = default;
    TextArena(TextArena&& other) noexcept;
    TextArena& operator=(TextArena&& other) noexcept;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // A copy of BYTES inside the arena; empty bytes take no room.
    std::string_view Store(std::string_view bytes);
    // Takes over OTHER's blocks, so that what it stored stays valid here; OTHER is left empty.
    void Adopt(TextArena&& other);
    void Clear();
    // Bytes of all blocks, the unused ends of blocks included.
    size_t Capacity() const { return m_capacity; }

private:
    char* NewBlock(size_t size);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr; // free part of the newest small block
    size_t m_left = 0;
    size_t m_capacity = 0;
    size_t m_nextBlockSize = 0;
};

} // namespace vellum
