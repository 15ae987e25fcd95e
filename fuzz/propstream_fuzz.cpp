// The property stream reader on untrusted bytes: style tables of every kind, single objects and
// component streams. Errors are expected; crashes, hangs and overreads are not. Whatever reads
// successfully must write a stream that reads back, and settle after one round.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "vellum/rvf/component_stream.h"
#include "vellum/rvf/prop_reader.h"
#include "vellum/rvf/prop_writer.h"
#include "vellum/style/font_info.h"
#include "vellum/style/list_info.h"
#include "vellum/style/para_info.h"

namespace {

const vellum::PropErrorHandler kHandleAll = [](const vellum::PropError&) { return true; };

template <typename Infos>
std::string ReadAndWrite(std::string_view bytes, bool& ok)
{
    Infos table(nullptr);
    vellum::PropReader reader(bytes);
    reader.OnError = kHandleAll;
    ok = reader.ReadCollectionValue(table);
    return ok ? vellum::WriteCollectionValue(table) : std::string();
}

template <typename Infos>
void CheckCollection(std::string_view bytes)
{
    bool ok = false;
    const std::string first = ReadAndWrite<Infos>(bytes, ok);
    if (!ok)
        return;
    // What the writer leaves out reads back as the default (an empty font name comes back as
    // "Arial"), so the stream settles after one round: from then on it reads and writes the same.
    const std::string second = ReadAndWrite<Infos>(first, ok);
    if (!ok)
        __builtin_trap();
    const std::string third = ReadAndWrite<Infos>(second, ok);
    if (!ok || third != second)
        __builtin_trap();
}

class Holder : public vellum::Component {
public:
    std::string_view ClassName() const override { return "THolder"; }
    bool AcceptsChildren() const override { return true; }
    void AddChild(std::unique_ptr<vellum::Component>) override {}
    std::span<const vellum::PropertyInfo> Properties() const override { return {}; }
};

void CheckComponent(std::string_view bytes)
{
    vellum::ComponentRegistry registry;
    registry.Register("THolder", [] { return std::unique_ptr<vellum::Component>(new Holder); });
    vellum::ReadComponentStream(bytes, registry, kHandleAll);
}

void CheckObject(std::string_view bytes)
{
    vellum::TFontInfo font;
    vellum::PropReader reader(bytes);
    reader.OnError = kHandleAll;
    reader.ReadProperties(font);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 5) {
    case 0: CheckCollection<vellum::TFontInfos>(bytes); break;
    case 1: CheckCollection<vellum::TParaInfos>(bytes); break;
    case 2: CheckCollection<vellum::TRVListInfos>(bytes); break;
    case 3: CheckComponent(bytes); break;
    default: CheckObject(bytes); break;
    }
    return 0;
}
