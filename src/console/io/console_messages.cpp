#include "console/io/console_messages.h"

ConsoleMessages& consoleMessages() {
    static ConsoleMessages messages;
    return messages;
}
