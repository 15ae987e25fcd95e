// Profile files on disk. Writing never edits the file in place: the new contents are written
// to a temporary file next to it, flushed, and renamed over it, so a failure at any step leaves
// the old file as it was.
#include "platform/files.h"
#include "platform/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {
namespace {

// The file a write must replace: the target of a symbolic link rather than the link.
std::string ResolveTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += size_t(wrote);
    }
    return true;
}

// Creates a fresh temporary file next to TARGET; returns its descriptor or -1.
int CreateTemporary(const std::string& target, mode_t mode, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const std::string prefix = FolderOf(target) + "/." + NameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = prefix + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The old file's permissions and owner go to the new one; root may write other users' files.
bool CopyOwnership(int fd, const struct stat* old)
{
    if (!old)
        return true;
    if (fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM)
        return false;
    return fchmod(fd, old->st_mode & 07777) == 0;
}

void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool ReplaceFile(const std::string& target, const std::string& bytes, const struct stat* old)
{
    std::string tempPath;
    const int fd = CreateTemporary(target, old ? (old->st_mode & 07777) : 0666, tempPath);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && CopyOwnership(fd, old) && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

// Renaming over a file would bypass its write protection, so a file that nobody may write, or
// that we may not, is refused as writing to it in place would be.
bool IsReadOnly(const std::string& path, const struct stat& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

bool AllWritable(const std::string& section, const ProfileEntries& entries)
{
    for (const auto& [key, value] : entries) {
        if (!IsWritableProfileEntry(section, key, value))
            return false;
    }
    return true;
}

} // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue)
{
    std::string text;
    try {
        text = ReadWholeFile(path);
    } catch (const FileError&) {
        // A missing or unreadable file reads as an empty one.
    }
    return ProfileValueFromText(text, section, key, defaultValue);
}

bool WriteProfileStrings(const std::string& path, const std::string& section,
                         const ProfileEntries& entries)
{
    if (path.empty() || !AllWritable(section, entries))
        return false;
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && (!S_ISREG(old.st_mode) || IsReadOnly(target, old)))
        return false;
    std::string text;
    try {
        if (exists)
            text = ReadWholeFile(target);
    } catch (const FileError&) {
        return false;
    }
    const std::string updated = ProfileTextWithValues(text, section, entries);
    if (exists && updated == text)
        return true;
    return ReplaceFile(target, updated, exists ? &old : nullptr);
}

} // namespace platform
