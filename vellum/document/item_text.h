// The stored bytes of an item's `Text` (the content of a TRVRawByteString) in 12 bytes: where
// they are and how many. The bytes are either owned (a heap block of exactly their size) or kept
// in the text arena of the item list that holds the item. Only an item list stores arena texts,
// and it turns them into owned ones before an item leaves it, so no item points into storage that
// has gone away.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum {

class ItemText {
public:
    ItemText() = default;
    ItemText(std::string_view bytes) { AssignOwned(bytes); }
    ItemText(const ItemText& other) { AssignOwned(other.View()); }
    ItemText& operator=(const ItemText& other);
    ItemText& operator=(std::string_view bytes);
    ~ItemText() { Release(); }

    size_t size() const { return m_size & kSizeMask; }
    bool empty() const { return size() == 0; }
    const char* data() const { return m_data ? m_data : ""; }
    const char* begin() const { return data(); }
    const char* end() const { return data() + size(); }
    char operator[](size_t index) const { return m_data[index]; }
    std::string_view View() const { return {data(), size()}; }
    operator std::string_view() const { return View(); }
    // A std::string copy, for code that keeps or edits the text.
    std::string Copy() const { return std::string(View()); }

    friend bool operator==(const ItemText& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const ItemText& a, const ItemText& b) { return a.View() == b.View(); }

    // For item lists: point at BYTES, which the list's arena holds (dropping what was owned),
    // and turn such a text back into an owned copy.
    void Borrow(std::string_view bytes);
    void MakeOwned();
    bool Borrowed() const { return (m_size & kBorrowedBit) != 0; }

private:
    static constexpr uint32_t kBorrowedBit = 0x80000000u;
    static constexpr uint32_t kSizeMask = 0x7FFFFFFFu;

    void AssignOwned(std::string_view bytes);
    void Release();
    static uint32_t CheckedSize(size_t size);

    const char* m_data = nullptr;
    uint32_t m_size = 0; // with kBorrowedBit when the bytes are in an arena
};

} // namespace vellum
