#include "state/leftover_files.h"

#include "console/file_replace.h"
#include "state/player_files.h"
#include "state/save_file.h"

void removeLeftoverFiles() {
    for (const char* path : {SaveFileName, NameFileName, PermadeathFileName}) removeAbandonedReplacements(path);
}
