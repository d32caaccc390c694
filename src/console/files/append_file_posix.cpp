#include "console/append_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "console/working_folder.h"

namespace {

// The folder with every link and "." or ".." resolved; empty when it does
// not exist.
std::string resolvedFolder(const std::string& folder) {
    char* resolved = ::realpath(folder.c_str(), nullptr);
    if (resolved == nullptr) return {};
    std::string result = resolved;
    std::free(resolved);
    return result;
}

// Whether `path` leads to one of `keptFiles` in the working folder, or one
// of their temporary files: symbolic links at its end are followed, also to
// a file that does not exist yet.
bool namesKeptFile(std::string path, std::initializer_list<const char*> keptFiles) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0) break;
        target.resize(static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        path = target[0] == '/' || slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
    }
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (folder != ".") {
        const std::string here = resolvedFolder(".");
        if (here.empty() || resolvedFolder(folder) != here) return false;
    }
    for (const char* kept : keptFiles) {
        if (isFileOrItsReplacement(name, kept)) return true;
    }
    return false;
}

bool isKeptFile(const struct stat& opened, std::initializer_list<const char*> keptFiles) {
    for (const char* kept : keptFiles) {
        struct stat info {};
        if (::stat(kept, &info) == 0 && info.st_dev == opened.st_dev && info.st_ino == opened.st_ino) return true;
    }
    return false;
}

}  // namespace

AppendFile::Opened AppendFile::open(const std::string& path, std::initializer_list<const char*> keptFiles) {
    close();
    if (namesKeptFile(path, keptFiles)) return Opened::KeptFile;
    // Only a regular file or a character device (which may be a terminal) is
    // opened at all: opening a FIFO would wake its reader.
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    const bool device = exists && S_ISCHR(info.st_mode);
    if (exists && !device && !S_ISREG(info.st_mode)) return Opened::NotAFile;
    // Not blocking: a FIFO put there meanwhile fails at once instead of
    // waiting for a reader; a terminal is not made the game's own.
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return !device && (errno == ENXIO || errno == EISDIR) ? Opened::NotAFile : Opened::Failed;
    Opened outcome = Opened::Yes;
    if (::fstat(fd, &info) != 0) outcome = Opened::Failed;
    else if (!S_ISREG(info.st_mode) && ::isatty(fd) != 1) outcome = Opened::NotAFile;
    else if (isKeptFile(info, keptFiles)) outcome = Opened::KeptFile;
    const int flags = ::fcntl(fd, F_GETFL);
    if (outcome == Opened::Yes && (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)) {
        outcome = Opened::Failed;
    }
    if (outcome == Opened::Yes) fd_ = fd;
    else ::close(fd);
    return outcome;
}

bool AppendFile::write(const char* bytes, std::size_t count) {
    if (fd_ < 0) return false;
    while (count > 0) {
        const ssize_t written = ::write(fd_, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

void AppendFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}
