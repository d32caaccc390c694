// Writing a whole buffer to a POSIX file descriptor. Async-signal-safe, for
// the terminal's signal handlers too.
#pragma once

#include <string_view>

// Writes all of `bytes`, again after an interruption by a signal; false
// when a write fails (a full disk, a terminal gone).
bool writeAll(int fd, std::string_view bytes);
