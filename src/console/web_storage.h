// The browser keeps the working folder in its own storage (IndexedDB); a
// written file reaches that storage only when the folder is flushed to it.
#pragma once

// Flushes the working folder to the browser's storage and returns when it is
// stored (the game waits there, the page does not).
void persistWorkingFolder();
