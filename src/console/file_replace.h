// Replacing a small file in one step, so that a crash, a kill or a full disk
// leaves either the old or the new content, never a truncated file.
#pragma once

#include <string>
#include <string_view>

// The line end of a text file on this platform.
#ifdef _WIN32
inline constexpr const char* TextLineEnd = "\r\n";
#else
inline constexpr const char* TextLineEnd = "\n";
#endif

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. A symbolic link at `path` is replaced itself; the
// file it points to is never written. Returns false, leaving `path`
// untouched, when the file is read-only, is something other than a regular
// file or a link (a directory, a FIFO, a device), or any step fails.
bool replaceFileContents(const std::string& path, const std::string& bytes);

// Removes the temporary files that replaceFileContents left beside `path`
// when it was killed before it could finish (kill -9, a power cut): regular
// files of its own temporary name only, a few seconds old, that no running
// writer still holds. Nothing else in the folder is touched; failures are
// silent.
void removeAbandonedReplacements(const std::string& path);

// Whether `name`, a file name without a folder, is `file` or one of the
// temporary files that replaceFileContents writes beside it, as the file
// system compares names (letter case aside where disks ignore it).
bool isFileOrItsReplacement(std::string_view name, std::string_view file);
