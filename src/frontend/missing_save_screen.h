// What Continue shows when there is no save to load.
#pragma once

// The notice that no save was found, and a key wait.
void showMissingSaveScreen();
