// What the reader knows about the record being read, and the version state that earlier
// records set for later headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vellum {

// Record kinds that never become items.
constexpr int32_t kRvfCheckpointRecord = -2;
constexpr int32_t kRvfBackgroundRecord = -7;
constexpr int32_t kRvfVersionRecord = -8;
constexpr int32_t kRvfPropertyRecord = -9;

// DataMode values of a header.
constexpr int32_t kRvfDataText = 0;
constexpr int32_t kRvfDataNoBody = 1;
constexpr int32_t kRvfDataBinary = 2;
constexpr int32_t kRvfDataHexUnicode = 3;

// A tag as read from a header: an integer, or with string tags an optional string.
struct RvfTag {
    int32_t Int = 0;
    std::optional<std::string> Str;
};

struct RvfHeader {
    int32_t StyleNo = 0;
    int32_t LineCount = 0;
    int32_t ParaNo = 0;
    uint8_t Options = 0;
    int32_t DataMode = 0;
    RvfTag Tag;
    int32_t SubKind = 0;
    int32_t LineIndex = 0;
    size_t BytesLeft = 0; // of the block after the header line, to bound what LineCount claims
    bool StyleByName = false; // StyleNo came as a quoted name: never mapped
    bool ParaByName = false;
    bool ItemByName = false;  // set by item header hooks for the styles they read
    // Checkpoint records.
    bool RaiseEvent = false;
    bool Pinned = false;
    // Background records.
    int32_t BackgroundStyle = 0;
    int32_t BackgroundColor = 0;
    // Set by the version record; governs later headers.
    int32_t VersionMajor = 1;
    int32_t VersionMinor = 0;
    bool Utf8 = false;

    // Both parts are tested on their own, so 2.0 and 2.1 have no Options field.
    bool HasOptionsField() const { return VersionMajor >= 1 && VersionMinor >= 2; }
    bool AllowsQuotedTags() const { return VersionMajor > 1 || VersionMinor > 2; }
    bool IsTextKind() const { return StyleNo >= 0; }
};

} // namespace vellum
