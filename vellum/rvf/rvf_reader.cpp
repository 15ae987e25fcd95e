#include "vellum/rvf/rvf_reader.h"

#include "platform/files.h"
#include "vellum/rvf/byte_cursor.h"
#include "vellum/rvf/rvf_document_sink.h"
#include "vellum/rvf/rvf_read_pass.h"

namespace vellum {
namespace {

// Enters a pass: the outermost one creates the shared state and clears the warnings, nested
// ones borrow it. Leaving undoes exactly what entering did, also when reading threw.
class PassScope {
public:
    explicit PassScope(DocumentSettings& settings) : FSettings(settings)
    {
        if (!FSettings.RVFReadPass) {
            FOwned = std::make_unique<RvfReadPass>();
            FSettings.RVFReadPass = FOwned.get();
            FSettings.ReadWarnings = 0;
        }
        FPass = FSettings.RVFReadPass;
        ++FPass->Depth;
    }
    ~PassScope()
    {
        --FPass->Depth;
        if (FOwned)
            FSettings.RVFReadPass = nullptr;
    }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

    RvfReadPass& Pass() { return *FPass; }
    bool Outermost() const { return FOwned != nullptr; }
    bool TooDeep() const { return FPass->Depth > kMaxRvfNesting; }

private:
    DocumentSettings& FSettings;
    std::unique_ptr<RvfReadPass> FOwned;
    RvfReadPass* FPass = nullptr;
};

bool RunPass(TCustomRVData& data, TRVMemoryStream& stream, RvfInsertParams& params,
             PassScope& scope)
{
    std::vector<std::string>* properties = data.Settings().DocProperties;
    if (params.ReplaceStyles && scope.Outermost() && properties && !data.OwnerDocument())
        properties->clear();
    RvfDocumentSink sink(data, params, scope.Pass());
    std::string_view block = stream.Remainder();
    stream.Seek(stream.Size());
    bool ok = false;
    try {
        RvfRecordMachine machine(sink);
        ok = machine.Run(block);
        // Also after a failure, so that a partly read document is consistent.
        sink.FinishItems();
    } catch (...) {
        ok = false;
    }
    sink.FinishCheckpoints(ok);
    return ok;
}

// Applies the continuation flags of a nested document's layout record.
void ApplyLayoutToDocument(TCustomRVData& data, const TRVLayoutInfo& layout)
{
    data.SetDataState(rvstFirstParaContinued, layout.FirstParaContinued);
    data.SetDataState(rvstLastParaContinued, layout.LastParaContinued);
    data.ContinuedListNo = layout.FirstParaContinued ? layout.ContinuedListNo : -1;
    data.ContinuedListLevel = layout.FirstParaContinued ? layout.ContinuedListLevel : -1;
}

} // namespace

bool InsertRvf(TCustomRVData& data, TRVMemoryStream& stream, RvfInsertParams& params)
{
    params.ItemsAdded = 0;
    params.Busy = true;
    bool ok = false;
    try {
        PassScope scope(data.Settings());
        ok = !scope.TooDeep() && RunPass(data, stream, params, scope);
    } catch (...) {
        ok = false;
    }
    params.Busy = false;
    return ok;
}

bool ReadRvfStream(TCustomRVData& data, TRVMemoryStream& stream, const RvfReadTargets& targets)
{
    try {
        data.Clear();
    } catch (...) {
        return false;
    }
    RvfInsertParams params;
    params.Index = 0;
    params.ParaNo = -1;
    params.ReplaceStyles = true;
    params.Targets = targets;
    return InsertRvf(data, stream, params);
}

bool ReadRvfFile(TCustomRVData& data, const std::string& fileName, const RvfReadTargets& targets)
{
    TRVMemoryStream stream;
    try {
        stream = TRVMemoryStream(platform::ReadWholeFile(fileName));
    } catch (...) {
        return false;
    }
    return ReadRvfStream(data, stream, targets);
}

bool ReadRvfSized(TCustomRVData& data, TRVMemoryStream& stream)
{
    // The length is checked against the bytes that are there before anything is copied.
    ByteCursor cursor(stream.Remainder());
    uint32_t length = cursor.ReadU32LE();
    std::string_view body = cursor.Take(length);
    if (!cursor.Ok())
        return false;
    stream.Seek(stream.Position() + cursor.Position());
    TRVMemoryStream nested{std::string(body)};
    const bool wasNested = data.HasDataState(rvstReadingNested);
    data.SetDataState(rvstReadingNested, true);
    TRVLayoutInfo layout;
    RvfReadTargets targets;
    targets.Layout = &layout;
    bool ok = ReadRvfStream(data, nested, targets);
    data.SetDataState(rvstReadingNested, wasNested);
    if (layout.Loaded)
        ApplyLayoutToDocument(data, layout);
    return ok;
}

} // namespace vellum
