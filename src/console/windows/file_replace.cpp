#include "console/working_folder.h"

#include <windows.h>

#include <filesystem>
#include <string>

const char* const TextLineEnd = "\r\n";

namespace {

// Only an existing writable file or a missing one may be replaced; a link to
// a file is replaced itself (MoveFileEx renames over the link, never into its
// target). Directories and devices are left alone, and so is a file the
// player made read-only (MoveFileEx would otherwise replace it regardless).
bool mayReplace(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    const DWORD refused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE;
    return (attributes & refused) == 0;
}

bool writeAll(HANDLE file, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        // WriteFile takes a 32-bit count; the game's files are tiny, but stay
        // correct for any size.
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A temporary file written less than this long ago may be between its
// CloseHandle and its MoveFileEx in a game still running.
constexpr ULONGLONG AbandonedAfter100ns = 2ULL * 10000000ULL;

ULONGLONG ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

bool replaceFileContents(const std::string& path, const std::string& bytes) {
    if (!mayReplace(path)) return false;

    const std::string tempPath = path + ".tmp";
    HANDLE file = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;

    // Written and flushed to disk before the rename, so the rename never
    // exposes a file whose content is still only in the cache.
    bool ok = writeAll(file, bytes) && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (ok) {
        ok = MoveFileExA(tempPath.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!ok) {
        DeleteFileA(tempPath.c_str());
        return false;
    }
    return true;
}

// The temporary file is path + ".tmp". While a writer has it open (it opens
// it without sharing) DeleteFileA fails, which is the lock here; the age
// covers the moment between closing it and moving it into place.
void removeAbandonedReplacements(const std::string& path) {
    const std::string tempPath = path + ".tmp";
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExA(tempPath.c_str(), GetFileExInfoStandard, &info)) return;
    const DWORD refused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
    if ((info.dwFileAttributes & refused) != 0) return;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    if (ticks(now) < ticks(info.ftLastWriteTime) + AbandonedAfter100ns) return;
    DeleteFileA(tempPath.c_str());
}

bool isFileOrItsReplacement(std::string_view name, std::string_view file) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    auto same = [&](std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (lower(a[i]) != lower(b[i])) return false;
        }
        return true;
    };
    if (name.size() < file.size() || !same(name.substr(0, file.size()), file)) return false;
    return name.size() == file.size() || same(name.substr(file.size()), ".tmp");
}

bool removeFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::remove(path, error);
}
