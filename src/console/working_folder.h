// The game's own files in the working folder: replaced in one step, removed,
// and kept where the folder outlives the process. Each platform implements
// these: files on a disk (files/ for POSIX, windows/), the browser's folder
// in its storage (web/).
#pragma once

#include <string>
#include <string_view>

// The line end of a text file on this platform.
extern const char* const TextLineEnd;

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. A symbolic link at `path` is replaced itself; the
// file it points to is never written. Returns false, leaving `path`
// untouched, when the file is read-only, is something other than a regular
// file or a link (a directory, a FIFO, a device), or any step fails.
bool replaceFileContents(const std::string& path, const std::string& bytes);

// Removes the file (or the link) at `path` and, where the folder has a
// storage of its own, stores the folder without it. False when nothing was
// removed.
bool removeFile(const std::string& path);

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

// Flushes the working folder to its storage and returns when it is stored
// (in the browser the game waits there, the page does not). False when the
// storage refused it (a full quota, storage switched off): the folder then
// holds again what the storage kept, the last good save. A folder on a disk
// needs nothing more.
bool persistWorkingFolder();

// Takes into the working folder what another copy of the game sharing the
// storage (another browser tab) stored since, before a save is read. A disk
// is shared already: nothing to do.
void refreshWorkingFolder();
