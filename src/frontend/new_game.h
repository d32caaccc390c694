// The steps of a new game that both title menus share.
#pragma once

// Option 1's sound and the sixteen-second mock loading screen.
void playLoadingAnimation();

// Asks for the hero's name while one is still pending (refusing the
// legendary Hulgor himself), then stores the name in its file.
void askPlayerName();
