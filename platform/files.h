// Files and folders as the catalog and the document reader see them. Paths are UTF-8 and use
// '/' as the separator.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// Raised when a file cannot be read; the message is the user-facing text
// "Cannot open file "<path>". <reason>".
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Windows-style attribute bits, so that callers can apply rules such as "exactly the folder
// attribute and nothing else".
enum FileAttribute : uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faDirectory = 0x10,
    faArchive = 0x20,
};

struct FolderEntry {
    std::string name;       // file name only, as the file system gives it (UTF-8 bytes)
    uint32_t attributes = 0; // FileAttribute bits
};

// The whole file as bytes; throws FileError. The message names the path made absolute against
// the current folder, and the system's reason (a folder gives "Is a directory").
std::string ReadWholeFile(const std::string& path);

// Every entry of FOLDER, "." and ".." included, in the order the file system gives. Folder:
// faDirectory; name starting with '.' (other than "." and ".."): faHidden; a file that nobody
// may write (no write permission bit) or that we cannot write: faReadOnly; regular file:
// faArchive; anything else that is not a folder (device, socket, pipe): faSysFile. Symbolic
// links are followed; a dangling one is a plain file. Folders never get faReadOnly: a
// write-protected folder (say on a read-only medium) is still a folder and nothing else.
// Returns an empty list when the folder cannot be read.
std::vector<FolderEntry> EnumerateFolder(const std::string& folder);

// FileExists is true for anything that is not a folder; FolderExists only for folders
// (symbolic links followed).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// PATH made absolute against the current folder, with "." and ".." resolved textually.
std::string AbsolutePath(const std::string& path);

// The folder holding the running program, ending in '/'.
std::string ProgramFolder();

} // namespace platform
