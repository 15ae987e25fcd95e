// Fuzz input read as the snapshot view reads a file: arbitrary bytes as an RVF document with
// its list markers numbered, ready to be formatted on the recording canvas CANVAS.
#pragma once

#include "app/snapshot_style.h"
#include "platform/testing/recording_canvas.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/rvf/rvf_reader.h"

#include <cstdint>
#include <string>

namespace wenlocke {

inline void ReadSnapshotInput(const uint8_t* data, size_t size, SnapshotDocument& doc,
                              platform::RecordingCanvas& canvas)
{
    vellum::TRVMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
    vellum::ReadRvfStream(doc.Data, stream);
    vellum::NumberDocument(doc.Data);
    doc.Data.SetCanvas(&canvas);
}

} // namespace wenlocke
