#include "console/folder_storage.h"

#include <emscripten.h>

EM_ASYNC_JS(int, webPersist, (), { return (await HulgorWeb.persist()) ? 1 : 0; });
EM_ASYNC_JS(void, webRefresh, (), { await HulgorStorage.refresh(); });

bool persistWorkingFolder() { return webPersist() != 0; }

void refreshWorkingFolder() { webRefresh(); }
