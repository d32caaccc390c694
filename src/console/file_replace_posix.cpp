#include "console/file_replace.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifdef __EMSCRIPTEN__
#include "console/web_storage.h"
#endif

namespace {

bool writeAll(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
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

// Holds back the signals that end the game until the file is replaced or the
// attempt undone: an interrupted save leaves neither a half-written file nor
// its temporary file behind. (A kill that cannot be caught may leave the
// temporary file; nothing ever reads it.)
class TerminationHeld {
public:
    TerminationHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&held, signalNumber);
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
    std::string tempPath = path + ".XXXXXX";
    std::vector<char> tempName(tempPath.begin(), tempPath.end());
    tempName.push_back('\0');
    int fd = ::mkstemp(tempName.data());
    if (fd < 0) return false;

    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tempName.data(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.data());
        return false;
    }

    // Make the rename itself durable; a failure here cannot undo it.
    int dir = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#ifdef __EMSCRIPTEN__
    persistWorkingFolder();
#endif
    return true;
}
