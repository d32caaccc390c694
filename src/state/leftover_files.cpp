#include "state/leftover_files.h"

#include "console/working_folder.h"
#include "state/player_files.h"
#include "state/save_file.h"

void removeLeftoverFiles() {
    for (const char* path : {SaveFileName, NameFileName, PermadeathFileName}) removeAbandonedReplacements(path);
}
