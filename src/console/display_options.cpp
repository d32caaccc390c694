#include "console/display_options.h"

DisplayOptions& displayOptions() {
    static DisplayOptions options;
    return options;
}
