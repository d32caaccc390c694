// The English edition against the German: every file pair matches and is
// current, and each way a translation can break is refused.
#include <gtest/gtest.h>

#include <filesystem>

#include "story_pair.h"
#include "support/work_folder.h"

namespace fs = std::filesystem;

TEST(Translation, EveryFileMatchesItsGermanAndIsCurrent) {
    const fs::path text = fs::path(HULGOR_SOURCE_DIR) / "src/story/text";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(text)) {
        if (entry.path().extension() != ".story") continue;
        ++files;
        const std::string german = fileBytes(entry.path()), english = fileBytes(text / "en" / entry.path().filename());
        for (const std::string& mistake : compareEditions(german, english)) ADD_FAILURE() << entry.path() << mistake;
        const StoryFileText translated = splitStory(english);
        for (const Passage& passage : splitStory(german).passages) {
            EXPECT_TRUE(freshness(passage, passageNamed(translated, passage.name)) == Freshness::Translated)
                << entry.path() << ": passage " << passage.name << " is stale or missing (tools/l10n status)";
        }
    }
    EXPECT_GE(files, 9);
}

namespace {

const std::string German = "=== greeting\n{speech}Ihr seid wach,{normal} sagt {name}.\n~\n\n"
                           "=== choice\n{hint}\n{option 1 >} Fliehen\n{option 2 again} Warten\n{quit} Beenden\n\n"
                           "=== saved\nGespeichert in {file}.\\\n";

std::string stamped(std::string english) {
    for (const char* name : {"greeting", "choice", "saved"}) english = stampPassage(German, english, name).edition;
    return english;
}

const std::string English = stamped("=== greeting\n{speech}You are awake,{normal} says {name}.\n~\n\n"
                                    "=== choice\n{hint}\n{option 1 >} Flee\n{option 2 again} Wait\n{quit} Quit\n\n"
                                    "=== saved\nSaved in {file}.\\\n");

// Replaces the last `from`: in the body, after the German in comments.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.rfind(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

}  // namespace

TEST(Translation, RefusesEveryBrokenEdition) {
    ASSERT_TRUE(compareEditions(German, English).empty());
    const std::string saved = English.substr(English.find("=== saved"));
    const std::string choice = English.substr(English.find("=== choice"), English.find("=== saved") - English.find("=== choice"));
    const struct {
        std::string english;
        std::string refusal;
    } rows[] = {
        {replaced(English, saved, ""), "passage saved is missing"},
        {English + "=== farewell\nBye.\n", "passage farewell is not in the German"},
        {replaced(replaced(English, choice, ""), saved, saved + choice), "passage saved is out of order"},
        {replaced(English, "Saved in {file}.\\\n", ""), "passage saved is empty"},
        {replaced(English, "{speech}You", "{shout}You"), "unknown tag {shout}"},
        {replaced(English, "{option 2 again}", "{option 3 again}"), "passage choice must have the German's option lines"},
        {replaced(English, "{option 1 >} Flee", "{option 1 on} Flee"), "passage choice must have the German's option lines"},
        {replaced(English, "{quit} Quit\n", ""), "passage choice must have the German's option lines"},
        {replaced(English, "{normal} says", " says"), "passage greeting must end in the German's colour: {normal}"},
        {replaced(English, "{file}.\\", "{file}."), "passage saved must end glued to what follows"},
        {replaced(English, "says {name}.\n~\n", "says {name}.\n"), "passage greeting must have the German's 1 empty lines"},
        {replaced(English, "says {name}.", "says he."), "passage greeting must hold the German's placeholders: {name}"},
        {replaced(English, "Saved in {file}", "Saved in {folder}"), "passage saved must hold the German's placeholders: {file}"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> mistakes = compareEditions(German, row.english);
        std::string all;
        for (const std::string& mistake : mistakes) all += mistake + "\n";
        EXPECT_NE(all.find(row.refusal), std::string::npos) << row.refusal << " in:\n" << all;
        // A passage that does not match is never stamped.
        const std::string name = row.refusal.substr(row.refusal.find("passage ") + 8, row.refusal.find(' ', 8) - 8);
        if (row.refusal.find(" must ") != std::string::npos || row.refusal.ends_with("is empty")) {
            EXPECT_FALSE(stampPassage(German, row.english, name).mistakes.empty()) << row.refusal;
        }
    }
}

// A German passage changed: its translation is stale until the translator
// has seen the change (update marks it) and stamped it again.
TEST(Translation, AChangedGermanPassageIsStaleUntilStampedAgain) {
    const std::string changed = replaced(German, "Gespeichert in", "Sicher gespeichert in");
    const Passage saved = splitStory(changed).passages[2];
    EXPECT_EQ(freshness(saved, &splitStory(English).passages[2]), Freshness::Stale);
    EXPECT_EQ(freshness(splitStory(changed).passages[0], &splitStory(English).passages[0]), Freshness::Translated);

    const std::string updated = updatedEdition(changed, English);
    EXPECT_NE(updated.find("#|- Gespeichert in {file}.\\\n#|+ Sicher gespeichert in {file}.\\\n"), std::string::npos)
        << updated;
    EXPECT_EQ(updatedEdition(changed, updated), updated);  // marked once

    const Stamped again = stampPassage(changed, updated, "saved");
    ASSERT_TRUE(again.mistakes.empty());
    EXPECT_EQ(freshness(saved, &splitStory(again.edition).passages[2]), Freshness::Translated);
    EXPECT_EQ(again.edition.find("#|-"), std::string::npos);
    EXPECT_NE(again.edition.find("#| Sicher gespeichert"), std::string::npos);
}

// A new German passage is added where the German has it, with its source
// as comments and an empty body, which the build refuses until translated.
TEST(Translation, UpdateAddsANewPassageEmpty) {
    const std::string longer = replaced(German, "=== saved", "=== wait\nDu wartest.\n\n=== saved");
    const std::string updated = updatedEdition(longer, English);
    EXPECT_NE(updated.find("=== wait\n#| Du wartest.\n\n=== saved"), std::string::npos) << updated;
    const Passage added = splitStory(updated).passages[2];
    EXPECT_EQ(freshness(splitStory(longer).passages[2], &added), Freshness::Missing);
    EXPECT_FALSE(compareEditions(longer, updated).empty());
}
