// Replacing a small file in one step, so that a crash, a kill or a full disk
// leaves either the old or the new content, never a truncated file.
#pragma once

#include <string>

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. Returns false, leaving `path` untouched, when the
// file is read-only, is not a regular file, or any step fails.
bool replaceFileContents(const std::string& path, const std::string& bytes);
