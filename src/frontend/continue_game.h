// Continue: load the save, then resume at the first checkpoint place that
// matches, or report that there is no save.
#pragma once

#include "frontend/menu_loop.h"

// Option 2 of either title menu.
Next continueFromCheckpoint(MenuCopy copy);

// Continue's tests from `fromTest` on, each on the checkpoint as it stands
// at that moment: a game that ended in a death comes back here and goes on
// with the next test. Tests 1 to N are the checkpoint places in order, test
// N + 1 whether there is no save at all.
Next continueTests(MenuCopy copy, int fromTest);
