// A growable in-memory byte stream with a read/write position, as readers, writers and the
// clipboard pass RVF data around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum {

class TRVMemoryStream {
public:
    TRVMemoryStream() = default;
    explicit TRVMemoryStream(std::string bytes) : FBytes(std::move(bytes)) {}

    size_t Size() const { return FBytes.size(); }
    size_t Position() const { return FPos; }
    // Positions beyond the end are clamped to it.
    void Seek(size_t pos) { FPos = pos < FBytes.size() ? pos : FBytes.size(); }
    const std::string& Bytes() const { return FBytes; }
    // The bytes from the position to the end, without moving.
    std::string_view Remainder() const { return std::string_view(FBytes).substr(FPos); }

    // Writes at the position, overwriting and growing as needed.
    void Write(std::string_view bytes);
    // Up to N bytes from the position; fewer at the end.
    std::string_view Read(size_t n);
    void Clear();

private:
    std::string FBytes;
    size_t FPos = 0;
};

} // namespace vellum
