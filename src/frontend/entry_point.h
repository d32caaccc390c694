// Start-up: console preparation, the intro splash, the permadeath setting,
// then the title menus until the game ends.
#pragma once

// The whole program; returns the exit status.
int runEntryPoint();

// The three-screen splash with its sound; runs once.
void runIntro();
