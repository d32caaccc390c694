#include "console/append_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <string_view>
#include <sys/stat.h>

#include "console/working_folder.h"

namespace {

std::string fullPath(const std::string& path) {
    char full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length == 0 || length >= sizeof full ? std::string() : std::string(full, length);
}

// Whether two paths are the same to Windows, which ignores letter case.
bool samePath(const std::string& a, const std::string& b) {
    auto wide = [](const std::string& text) {
        std::wstring result(text.size(), L'\0');
        const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(),
                                               static_cast<int>(result.size()));
        result.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        return result;
    };
    return CompareStringOrdinal(wide(a).c_str(), -1, wide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Whether `path` names one of `keptFiles` in the working folder, or one of
// their temporary files, once "." and ".." and the folder's own path are
// resolved.
bool namesKeptFile(const std::string& path, std::initializer_list<const char*> keptFiles) {
    const std::string full = fullPath(path);
    std::string here = fullPath(".");
    const std::size_t slash = full.find_last_of("\\/");
    if (full.empty() || here.empty() || slash == std::string::npos) return false;
    if (here.back() == '\\') here.pop_back();  // the root of a drive
    if (!samePath(full.substr(0, slash), here)) return false;
    for (const char* kept : keptFiles) {
        if (isFileOrItsReplacement(std::string_view(full).substr(slash + 1), kept)) return true;
    }
    return false;
}

// The volume and the file's number on it: the same for every link to it.
bool identify(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
    return handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &info);
}

bool isKeptFile(HANDLE opened, std::initializer_list<const char*> keptFiles) {
    BY_HANDLE_FILE_INFORMATION mine{};
    if (!identify(opened, mine)) return false;
    for (const char* kept : keptFiles) {
        HANDLE handle = CreateFileA(kept, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        BY_HANDLE_FILE_INFORMATION theirs{};
        const bool same = identify(handle, theirs) && theirs.dwVolumeSerialNumber == mine.dwVolumeSerialNumber &&
                          theirs.nFileIndexHigh == mine.nFileIndexHigh && theirs.nFileIndexLow == mine.nFileIndexLow;
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        if (same) return true;
    }
    return false;
}

// A disk file, or a console; not a pipe, nor a device such as NUL or a
// printer port.
bool isFileOrConsole(HANDLE handle) {
    DWORD mode = 0;
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || (type == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode));
}

}  // namespace

AppendFile::Opened AppendFile::open(const std::string& path, std::initializer_list<const char*> keptFiles) {
    close();
    if (namesKeptFile(path, keptFiles)) return Opened::KeptFile;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Opened::NotAFile;
    const int fd = ::_open(path.c_str(), _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                           _S_IREAD | _S_IWRITE);
    if (fd < 0) return Opened::Failed;
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    Opened outcome = Opened::Yes;
    if (!isFileOrConsole(handle)) outcome = Opened::NotAFile;
    else if (isKeptFile(handle, keptFiles)) outcome = Opened::KeptFile;
    if (outcome == Opened::Yes) fd_ = fd;
    else ::_close(fd);
    return outcome;
}

bool AppendFile::write(const char* bytes, std::size_t count) {
    if (fd_ < 0) return false;
    while (count > 0) {
        const unsigned chunk = count > 0x40000000u ? 0x40000000u : static_cast<unsigned>(count);
        const int written = ::_write(fd_, bytes, chunk);
        if (written <= 0) return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

void AppendFile::close() {
    if (fd_ >= 0) ::_close(fd_);
    fd_ = -1;
}
