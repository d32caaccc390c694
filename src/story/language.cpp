#include "story/language.h"

namespace {

Language& chosen() {
    static Language language = Language::German;
    return language;
}

}  // namespace

Language storyLanguage() { return chosen(); }

void chooseStoryLanguage(Language language) { chosen() = language; }

std::optional<Language> languageCalled(std::string_view code) {
    if (code == "de") return Language::German;
    if (code == "en") return Language::English;
    return std::nullopt;
}
