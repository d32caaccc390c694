#include "console/io/display_options.h"

DisplayOptions& displayOptions() {
    static DisplayOptions options;
    return options;
}
