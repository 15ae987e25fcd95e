// Where an item's text should live, measured on W1's 300,000 runs: inside the item in a small
// buffer sized for a typical run (longer texts on the heap), in a heap block of its own, or in an
// arena of the document. Each model item has the fixed part of a document item (vtable, four
// numbers, flags, tag, extras pointer: 42 bytes) and is its own heap block, as document items are.
#include "bench/workloads.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using wenlocke::bench::W1;

struct FixedPart {
    virtual ~FixedPart() = default;
    int32_t numbers[4] = {};
    uint64_t tag = 0;
    void* extras = nullptr;
    uint8_t flags[2] = {};
};

// Text inside the item up to INLINE bytes, else in a heap block of its own.
template <size_t Inline>
struct SmallBufferItem : FixedPart {
    explicit SmallBufferItem(std::string_view text) : size(static_cast<uint32_t>(text.size()))
    {
        char* to = size <= Inline ? storage.inline_ : (storage.heap = new char[size]);
        std::memcpy(to, text.data(), size);
    }
    ~SmallBufferItem() override
    {
        if (size > Inline)
            delete[] storage.heap;
    }
    uint32_t size;
    union {
        char inline_[Inline];
        char* heap;
    } storage;
};

// Text always in a heap block of its own, of exactly its size.
struct HeapTextItem : FixedPart {
    explicit HeapTextItem(std::string_view text) : size(static_cast<uint32_t>(text.size())), data(new char[size])
    {
        std::memcpy(data, text.data(), size);
    }
    ~HeapTextItem() override { delete[] data; }
    uint32_t size;
    char* data;
};

// Text in chunks owned by the document, growing from 256 bytes to 64 KB.
class Arena {
public:
    const char* Store(std::string_view text)
    {
        if (m_left < text.size()) {
            m_chunkSize = std::max<size_t>(std::min<size_t>(m_chunkSize * 2, 65536), text.size());
            m_chunks.push_back(std::make_unique<char[]>(m_chunkSize));
            m_next = m_chunks.back().get();
            m_left = m_chunkSize;
        }
        char* at = m_next;
        std::memcpy(at, text.data(), text.size());
        m_next += text.size();
        m_left -= text.size();
        return at;
    }

private:
    std::vector<std::unique_ptr<char[]>> m_chunks;
    char* m_next = nullptr;
    size_t m_left = 0;
    size_t m_chunkSize = 128;
};

struct ArenaTextItem : FixedPart {
    ArenaTextItem(Arena& arena, std::string_view text)
        : size(static_cast<uint32_t>(text.size())), data(arena.Store(text))
    {
    }
    uint32_t size;
    const char* data;
};

template <typename Item>
struct Document {
    Arena arena;
    std::vector<std::unique_ptr<FixedPart>> items;

    void Add(std::string_view text)
    {
        if constexpr (std::is_same_v<Item, ArenaTextItem>)
            items.push_back(std::make_unique<Item>(arena, text));
        else
            items.push_back(std::make_unique<Item>(text));
    }
};

template <typename Item>
std::unique_ptr<Document<Item>> Build()
{
    const auto& workload = W1();
    auto doc = std::make_unique<Document<Item>>();
    doc->items.reserve(workload.runs.size());
    for (const auto& run : workload.runs)
        doc->Add(workload.Gbk(run));
    return doc;
}

template <typename Item>
void TextStorage(benchmark::State& state)
{
    const double items = static_cast<double>(W1().runs.size());
    const size_t before = wenlocke::bench::ResidentBytes();
    {
        auto doc = Build<Item>();
        const size_t after = wenlocke::bench::ResidentBytes();
        state.counters["bytes_per_item"] = static_cast<double>(after - before) / items;
    }
    for (auto _ : state) {
        auto doc = Build<Item>();
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["sizeof_item"] = sizeof(Item);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(items));
}

BENCHMARK(TextStorage<SmallBufferItem<24>>)->Unit(benchmark::kMillisecond);
BENCHMARK(TextStorage<SmallBufferItem<40>>)->Unit(benchmark::kMillisecond);
BENCHMARK(TextStorage<SmallBufferItem<90>>)->Unit(benchmark::kMillisecond);
BENCHMARK(TextStorage<HeapTextItem>)->Unit(benchmark::kMillisecond);
BENCHMARK(TextStorage<ArenaTextItem>)->Unit(benchmark::kMillisecond);

} // namespace
