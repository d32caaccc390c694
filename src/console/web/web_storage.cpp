#include "console/working_folder.h"

#include <emscripten.h>

EM_ASYNC_JS(int, webPersist, (), { return (await HulgorWeb.persist()) ? 1 : 0; });
EM_ASYNC_JS(void, webRefresh, (), { await HulgorStorage.refresh(); });

// The working folder lives in the page's storage (IndexedDB): a change is
// kept only once it is stored there.
bool persistWorkingFolder() { return webPersist() != 0; }

void refreshWorkingFolder() { webRefresh(); }
