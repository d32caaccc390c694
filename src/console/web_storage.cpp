#include "console/folder_storage.h"

#include <emscripten.h>

EM_ASYNC_JS(void, webPersist, (), { await HulgorWeb.persist(); });

void persistWorkingFolder() { webPersist(); }
