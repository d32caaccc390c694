// A file named by the player that the game appends to (the transcript):
// opened without ever waiting on it, and never one of the game's own files.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

class AppendFile {
public:
    enum class Opened { Yes, Failed, NotAFile, KeptFile };

    AppendFile() = default;
    ~AppendFile() { close(); }
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    // Opens `path` for appending, creating it when it is missing. NotAFile:
    // it is neither a regular file nor a terminal (a FIFO, a folder, a
    // socket, another device), found out without waiting on it. KeptFile:
    // it is one of `keptFiles` (names in the working folder) or one of their
    // temporary files (see replaceFileContents), whether named so, by
    // another way to the working folder, through symbolic links or as a
    // hard link of one; nothing is created then.
    Opened open(const std::string& path, std::initializer_list<const char*> keptFiles);

    // Writes all `count` bytes; false on an error (a full disk, a terminal
    // gone).
    bool write(const char* bytes, std::size_t count);

    void close();

private:
    int fd_ = -1;
};
