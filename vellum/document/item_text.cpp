#include "vellum/document/item_text.h"

#include <cstring>
#include <stdexcept>
#include <utility>

namespace vellum {

ItemText& ItemText::operator=(const ItemText& other)
{
    if (this != &other)
        *this = other.View();
    return *this;
}

ItemText& ItemText::operator=(std::string_view bytes)
{
    // BYTES may be this text's own bytes: copy before freeing.
    ItemText copy(bytes);
    Release();
    m_data = std::exchange(copy.m_data, nullptr);
    m_size = std::exchange(copy.m_size, 0);
    return *this;
}

uint32_t ItemText::CheckedSize(size_t size)
{
    // Item texts are addressed with 32-bit offsets everywhere; a longer one is refused.
    if (size > kSizeMask)
        throw std::length_error("item text longer than 2 GB");
    return static_cast<uint32_t>(size);
}

void ItemText::AssignOwned(std::string_view bytes)
{
    const uint32_t size = CheckedSize(bytes.size());
    if (size == 0)
        return;
    char* owned = new char[size];
    std::memcpy(owned, bytes.data(), size);
    m_data = owned;
    m_size = size;
}

void ItemText::Release()
{
    if (!Borrowed())
        delete[] m_data;
    m_data = nullptr;
    m_size = 0;
}

void ItemText::Borrow(std::string_view bytes)
{
    const uint32_t size = CheckedSize(bytes.size());
    Release();
    if (size == 0)
        return;
    m_data = bytes.data();
    m_size = size | kBorrowedBit;
}

void ItemText::MakeOwned()
{
    if (Borrowed())
        *this = View();
}

} // namespace vellum
