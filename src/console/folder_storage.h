// Where the working folder outlives the process only once it is flushed to
// a storage of its own: the browser keeps it in IndexedDB
// (web_storage.cpp); a folder on a disk needs nothing more
// (disk_storage.cpp).
#pragma once

// Flushes the working folder to its storage and returns when it is stored
// (in the browser the game waits there, the page does not).
void persistWorkingFolder();
