// The title menus in one loop: the entry-point menu, the nested re-entrant
// ones (menu_nesting.h), new games started from them, and what follows a
// chapter run.
#pragma once

#include <cstdint>

#include "frontend/menu_nesting.h"

// The title menus from their first showing until the program ends by
// returning (after a new game started from the entry-point menu).
void runMenus();

// What the menu loop does next. The innermost open menu is the re-entrant
// one while anything is nested, and the entry-point menu otherwise.
enum class Next : std::uint8_t { Menu, EndProcess };

// Opens the re-entrant title menu: pushes `caller` as the point to resume
// once that menu returns, and starts the menu with menuChoice 0.
Next openNestedMenu(const ResumePoint& caller);

// Plays the chapter run from `position` for the menu `copy`; `test` is the
// Continue test that started it.
Next playChapters(int position, MenuCopy copy, std::uint8_t test);
