// Where the working folder outlives the process only once it is flushed to
// a storage of its own: the browser keeps it in IndexedDB
// (web_storage.cpp); a folder on a disk needs nothing more
// (disk_storage.cpp).
#pragma once

// Flushes the working folder to its storage and returns when it is stored
// (in the browser the game waits there, the page does not). False when the
// storage refused it (a full quota, storage switched off): the folder then
// holds again what the storage kept, the last good save.
bool persistWorkingFolder();

// Takes into the working folder what another copy of the game sharing the
// storage (another browser tab) stored since, before a save is read. A disk
// is shared already: nothing to do.
void refreshWorkingFolder();
