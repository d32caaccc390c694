// Plain-text helpers for the game's small files. Numbers are always written
// and read in the classic "C" locale, whatever locale the console uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "console/working_folder.h"

// The most bytes the game reads from one of its files: 1 MiB.
inline constexpr std::size_t SmallFileLimit = std::size_t{1} << 20;

// The whole file, or nothing when it cannot be opened or read as a regular
// file (a link to one counts). The type is checked before the file is opened,
// so a FIFO or a device is never waited on. Reads at most `limit` bytes, so a
// huge or endless file cannot hang the game or exhaust memory.
std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit = SmallFileLimit);

// A stream over file content for formatted extraction in the "C" locale.
std::istringstream classicStream(std::string content);

// The decimal text of `value` in the "C" locale.
std::string decimal(std::int32_t value);
