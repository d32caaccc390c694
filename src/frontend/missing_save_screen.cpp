#include "frontend/missing_save_screen.h"

#include "console/io/print.h"
#include "story/scene.h"

void showMissingSaveScreen() {
    say(textOf(passages::messages::no_save_found));
    PageBreak(AnyKeyPrompt);
}
