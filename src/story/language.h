// The language the game speaks. German is the game's own; every story file
// has an English edition with the same passages in the same order, so a
// passage constant names the same text in both, and nothing the game
// writes to its files depends on the language.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class Language : std::uint8_t { German, English };

// The language of every text from here on: German unless chosen otherwise.
Language storyLanguage();
// Chosen once as the program starts, before anything is shown.
void chooseStoryLanguage(Language language);

// The language a code names on the command line or in HULGOR_LANG: "de" or
// "en"; nothing for any other.
std::optional<Language> languageCalled(std::string_view code);
