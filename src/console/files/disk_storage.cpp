#include "console/working_folder.h"

// Files on a disk are durable once written and synced, and every copy of
// the game reads the same ones: nothing to flush or refresh.
bool persistWorkingFolder() { return true; }

void refreshWorkingFolder() {}
