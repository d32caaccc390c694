#include "console/folder_storage.h"

// Files on a disk are durable once written and synced; nothing to flush.
bool persistWorkingFolder() { return true; }
