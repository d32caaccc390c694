#include "frontend/missing_save_screen.h"

#include "console/io/print.h"
#include "story/scene.h"

void showMissingSaveScreen() {
    say("\nKein Spielstand gefunden.\n");
    PageBreak(AnyKeyPrompt);
}
