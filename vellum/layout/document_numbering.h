// Numbers what a document counts before it is shown: list markers and their texts, sequence
// fields and note numbers, and the references inside notes that repeat their note's number.
// Nested note texts are numbered after the document that holds their notes.
#pragma once

namespace vellum {

class TCustomRVData;

void NumberDocument(TCustomRVData& data);

} // namespace vellum
