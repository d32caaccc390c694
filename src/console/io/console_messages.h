// The lines the console operations show themselves, the same on every
// console.
#pragma once

#include <string_view>

// On standard error: no console window to switch to full screen.
inline constexpr std::string_view NoConsoleWindowMessage = "Fehler: Konnte das Konsolenfenster nicht abrufen.\n";
// On standard error: a sound that could not be played.
inline constexpr std::string_view SoundFailedMessage = "Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.\n";
// On standard output, as the program ends.
inline constexpr std::string_view QuitMessage = "Das Programm wird beendet...\n";
