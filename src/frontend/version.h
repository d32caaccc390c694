// The game's version, as the version screen and --version show it.
#pragma once

#include <string_view>

inline constexpr std::string_view GameVersion = "ALPHA 0.2.0";
