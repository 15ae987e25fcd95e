// The shared benchmark documents, built from a fixed seed so that every benchmark and every run
// measures the same bytes.
//
// W1: 100,000 paragraphs of 20-45 GB2312 ideographs with 1-4 full-width punctuation marks, split
// around 1-4 English words (each set off by spaces), every paragraph cut into three runs in the
// snapshot window's text styles 0, 1 and 3 (Arial 10 pt plain; bold blue; italic maroon). About
// 5.2 million characters, 8.8 MB of GBK text and 13.5 MB as RVF; 300,000 text items.
// W2: the same kind of document with about 1 MB of GBK text (11,500 paragraphs).
//
// Our engine reads `Rvf()` into a wenlocke::SnapshotDocument (app/snapshot_style.h), whose style
// sheet is the one the runs name. Peers get the same runs as a QTextDocument filled through
// QTextCursor with the same fonts, or as HTML for QTextEdit.
//
// Typical use:
//     const bench::Workload& w = bench::W1();
//     TRVMemoryStream stream(w.Rvf());
//     for (const bench::WorkloadRun& run : w.runs) use(w.Gbk(run), w.Utf16(run));
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QString;
class QTextCharFormat;
class QTextDocument;

namespace wenlocke::bench {

// One run of text: a text item of the document.
struct WorkloadRun {
    int32_t styleNo = 0;     // text style of the snapshot window: 0, 1 or 3
    bool paraStart = false;  // the first run of its paragraph
    uint32_t gbkOffset = 0;  // where the text sits in Workload::gbk ...
    uint32_t gbkLength = 0;
    uint32_t utf16Offset = 0; // ... and in Workload::utf16
    uint32_t utf16Length = 0;
};

struct Workload {
    std::string name;             // "W1", "W2"
    size_t paragraphCount = 0;
    std::vector<WorkloadRun> runs; // in document order
    std::string gbk;              // every run's text back to back, code page 936
    std::u16string utf16;         // the same text as UTF-16

    std::string_view Gbk(const WorkloadRun& run) const
    {
        return std::string_view(gbk).substr(run.gbkOffset, run.gbkLength);
    }
    std::u16string_view Utf16(const WorkloadRun& run) const
    {
        return std::u16string_view(utf16).substr(run.utf16Offset, run.utf16Length);
    }
    size_t CharCount() const { return utf16.size(); }

    // The document as RVF text (format 1.3, code page 936): one record per run, the first run of
    // a paragraph in paragraph style 0 and the others continuing it. Made on every call.
    std::string Rvf() const;
};

// PARAGRAPHS paragraphs drawn from SEED; the same arguments give the same workload.
Workload MakeWorkload(std::string name, size_t paragraphs, uint64_t seed);

// Built on first use and kept for the life of the process.
const Workload& W1();
const Workload& W2();

// Peers. Makes the QApplication peers need (offscreen unless QT_QPA_PLATFORM says otherwise)
// with the window's font substitutions installed; does nothing when one exists. The functions
// below call it.
void EnsureQtApplication();
// The character format of the window's text style STYLENO: its face (with the same
// installed families the engine substitutes for it), point size, bold/italic/underline and colour.
QTextCharFormat StyleFormat(int32_t styleNo);
// Appends the workload to DOC through one QTextCursor: a block per paragraph, a fragment per run.
void FillTextDocument(QTextDocument& doc, const Workload& workload);
// The workload as an HTML body for QTextEdit::setHtml: a <p> per paragraph, a <span> per run.
QString ToHtml(const Workload& workload);

// Resident bytes of this process after handing freed memory back to the system (malloc_trim),
// so that differences measure what is really held.
size_t ResidentBytes();

} // namespace wenlocke::bench
