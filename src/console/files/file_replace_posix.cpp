#include "console/working_folder.h"
#include "console/files/write_all.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

const char* const TextLineEnd = "\n";

namespace {

std::string directoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The suffix mkstemp puts on its file: a dot and six of [A-Za-z0-9].
constexpr const char* TempSuffix = ".XXXXXX";
constexpr std::size_t TempRandomLength = 6;

// A temporary file younger than this may belong to a writer that has not yet
// taken its lock (it takes it right after creating the file).
constexpr std::time_t AbandonedAfterSeconds = 2;

bool isTempName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 1 + TempRandomLength || name.compare(0, base.size(), base) != 0 ||
        name[base.size()] != '.') {
        return false;
    }
    for (std::size_t i = base.size() + 1; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Whether two file names name the same file. macOS disks ignore letter
// case by default; elsewhere names are compared byte for byte.
bool sameName(std::string_view a, std::string_view b) {
#ifdef __APPLE__
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
#else
    return a == b;
#endif
}

// Removes the temporary file `tempPath` if no writer holds it: a regular
// file (not a link), old enough, and its lock free. The lock is held while
// the name is checked once more and removed, so a writer can never lose a
// file it is still writing.
bool removeIfAbandoned(const std::string& tempPath) {
    struct stat named {};
    if (::lstat(tempPath.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return false;
    if (::time(nullptr) - named.st_mtime < AbandonedAfterSeconds) return false;
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(tempPath.c_str(), O_RDONLY | flags);
    if (fd < 0) fd = ::open(tempPath.c_str(), O_WRONLY | flags);  // a write-only save's temporary file
    if (fd < 0) return false;
    bool removed = false;
    struct stat opened {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        ::lstat(tempPath.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
        removed = ::unlink(tempPath.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

mode_t newFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A missing file, a symbolic link or a writable regular file may be replaced.
// The rename replaces a link itself, never the file it points to, so nothing
// outside the working folder is ever written. A read-only file stays
// read-only for the game even when it runs as root, which could otherwise
// replace it regardless of its permissions.
bool mayReplace(const std::string& path, mode_t& mode) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return false;
        mode = newFileMode();
        return true;
    }
    if (S_ISLNK(info.st_mode)) {
        mode = newFileMode();
        return true;
    }
    if (!S_ISREG(info.st_mode)) return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(path.c_str(), W_OK) != 0) return false;
    mode = info.st_mode & 07777;
    return true;
}

// Holds back the signals that end or stop the game until the file is
// replaced or the attempt undone: an interrupted save leaves neither a
// half-written file nor its temporary file behind, and Ctrl+Z never leaves a
// temporary file waiting unlocked. (A kill that cannot be caught may leave
// the temporary file; nothing ever reads it, and the next start removes it.)
class TerminationHeld {
public:
    TerminationHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP}) sigaddset(&held, signalNumber);
        ::pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~TerminationHeld() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    TerminationHeld(const TerminationHeld&) = delete;
    TerminationHeld& operator=(const TerminationHeld&) = delete;

private:
    sigset_t before_{};
};

}  // namespace

bool replaceFileContents(const std::string& path, const std::string& bytes) {
    mode_t mode = 0;
    if (!mayReplace(path, mode)) return false;

    TerminationHeld held;
    std::string tempPath = path + TempSuffix;
    std::vector<char> tempName(tempPath.begin(), tempPath.end());
    tempName.push_back('\0');
    int fd = ::mkstemp(tempName.data());
    if (fd < 0) return false;

    // The lock tells removeAbandonedReplacements that the file is being
    // written; it lasts until the file is renamed or removed, and a killed
    // writer loses it with its descriptor.
    bool ok = ::flock(fd, LOCK_EX) == 0 && writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (ok) ok = ::rename(tempName.data(), path.c_str()) == 0;
    if (!ok) ::unlink(tempName.data());
    ::close(fd);
    if (!ok) return false;

    // Make the rename itself durable; a failure here cannot undo it.
    int dir = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return persistWorkingFolder();
}

bool removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return false;
    persistWorkingFolder();
    return true;
}

void removeAbandonedReplacements(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string prefix = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    DIR* folder = ::opendir(directoryOf(path).c_str());
    if (folder == nullptr) return;
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(folder)) {
        if (isTempName(entry->d_name, base)) candidates.push_back(prefix + entry->d_name);
    }
    ::closedir(folder);
    bool removed = false;
    for (const std::string& candidate : candidates) removed = removeIfAbandoned(candidate) || removed;
    if (removed) persistWorkingFolder();
}

bool isFileOrItsReplacement(std::string_view name, std::string_view file) {
    if (name.size() < file.size() || !sameName(name.substr(0, file.size()), file)) return false;
    return name.size() == file.size() || isTempName(name, name.substr(0, file.size()));
}
