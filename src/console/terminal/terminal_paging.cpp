// The paging prompt on a terminal.
#include <string>
#include <string_view>
#include <unistd.h>

#include "console/files/write_all.h"
#include "console/io/console_messages.h"
#include "console/layout/ansi.h"
#include "console/layout/pager.h"
#include "console/terminal/terminal.h"
#include "console/terminal/terminal_keys.h"

namespace {
// Keys typed before the paging prompt appeared belong to the story's next
// reads: they are set aside, up to this much.
constexpr std::size_t TypedAheadLimit = std::size_t{4} << 20;
}  // namespace

// Sets aside what is typed already, shows the paging prompt, waits for a
// key pressed after it and erases the prompt again; the colour in force is
// shown anew.
void showMore() {
    Terminal& t = terminal();
    t.keys->setAside(TypedAheadLimit);
    const int colour = t.colour.load();
    if (colour >= 0) writeAll(STDOUT_FILENO, AnsiReset);
    const std::string_view prompt = morePromptFor(windowColumns());
    writeAll(STDOUT_FILENO, prompt);
    std::string key;
    t.keys->readNew(key, t.lineInput != nullptr);
    writeAll(STDOUT_FILENO, promptEraser(prompt));
    if (colour >= 0) writeAll(STDOUT_FILENO, sgrFor(static_cast<TextColour>(colour)));
}
