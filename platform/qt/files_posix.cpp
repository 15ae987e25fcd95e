// Files and folders on POSIX calls: no caching, so that every use sees the disk as it is now.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace platform {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void ThrowOpenError(const std::string& path, int error)
{
    throw FileError("Cannot open file \"" + AbsolutePath(path) + "\". " + std::strerror(error));
}

// Reads until the end of the file; the size the file reports is only a hint, so that files
// that grow, shrink or report no size are read correctly.
bool ReadAll(int fd, std::string& out, int& error)
{
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        out.reserve(size_t(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = errno;
            return false;
        }
        out.append(buffer, size_t(got));
    }
}

bool IsDotOrDotDot(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool NobodyMayWrite(const struct stat& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

uint32_t AttributesOf(int folderFd, const char* name)
{
    struct stat info {};
    uint32_t attributes = 0;
    if (name[0] == '.' && !IsDotOrDotDot(name))
        attributes |= faHidden;
    if (fstatat(folderFd, name, &info, 0) != 0)
        return attributes | faArchive; // a dangling link, or an entry gone since readdir
    if (S_ISDIR(info.st_mode))
        return attributes | faDirectory;
    attributes |= S_ISREG(info.st_mode) ? faArchive : faSysFile;
    if (NobodyMayWrite(info) || faccessat(folderFd, name, W_OK, AT_EACCESS) != 0)
        attributes |= faReadOnly;
    return attributes;
}

bool StatPath(const std::string& path, struct stat& info)
{
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

} // namespace

std::string AbsolutePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    return absolute.lexically_normal().string();
}

std::string ReadWholeFile(const std::string& path)
{
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        ThrowOpenError(path, errno);
    std::string bytes;
    int error = 0;
    if (!ReadAll(fd.Get(), bytes, error))
        ThrowOpenError(path, error);
    return bytes;
}

std::vector<FolderEntry> EnumerateFolder(const std::string& folder)
{
    std::vector<FolderEntry> entries;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return entries;
    while (const dirent* entry = readdir(dir))
        entries.push_back({entry->d_name, AttributesOf(dirfd(dir), entry->d_name)});
    closedir(dir);
    return entries;
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return StatPath(path, info) && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::string& path)
{
    struct stat info {};
    return StatPath(path, info) && S_ISDIR(info.st_mode);
}

std::string ProgramFolder()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        exe = std::filesystem::current_path(error) / "program";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder.push_back('/');
    return folder;
}

} // namespace platform
