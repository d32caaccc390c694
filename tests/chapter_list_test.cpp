// A chapter added the way the README says, with a checkpoint of its own: a
// fourth label in the checkpoint table and the chapter list is all it takes
// for Continue to resume there and for every invariant to hold.
#include <gtest/gtest.h>

#include <fstream>

#include "state/game_state.h"
#include "state/save_file.h"
#include "story/chapters.h"
#include "story/scene.h"
#include "support/invariants.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"

namespace {
constexpr const char* FourthLabel = "vierter Halt";

void fourthChapter() {
    game.checkpoint = FourthLabel;
    saveGame();
}
}  // namespace

TEST(Chapters, AChapterWithACheckpointOfItsOwnIsResumedByContinue) {
    const Scene chapters[] = {firstDialogScene, secondDialogScene, awakeningScene, fourthChapter, endOfContentScreen};
    std::vector<ResumePlace> places(checkpoints.begin(), checkpoints.end());
    places.push_back({FourthLabel, 4});
    const auto storyBefore = std::exchange(storyChapters, chapters);
    const auto placesBefore = std::exchange(checkpoints, places);

    WorkFolder folder("hulgor-chapters");
    std::ofstream(SaveFileName) << FourthLabel << "\n5\n1\n100\n2\n0\n0\n5\n1\n0\n0\n";
    std::ofstream("name.txt") << "Kai\n";
    game = GameState{};
    std::string shown;
    invariants::Outcome outcome;
    {
        scripted::ScriptedSession session;
        int answers = 0;
        outcome = invariants::play(false, [&](invariants::Wait, const std::string&) -> std::optional<std::string> {
            if (++answers > 1) throw invariants::Stop{};
            return "2";  // Continue
        });
        shown = scripted::script().transcript;
    }
    storyChapters = storyBefore;
    checkpoints = placesBefore;

    EXPECT_EQ(outcome.broken, std::vector<std::string>{});
    // Resumed at the fourth chapter: it saves its own label, and the
    // end-of-content screen follows, with nothing of the chapters before.
    const std::string resumed = "Spiel wird geladen...\n{clear}\nSpiel erfolgreich gespeichert.\n";
    EXPECT_NE(shown.find(resumed), std::string::npos) << shown;
    EXPECT_NE(shown.find("Aktuell endet die Reise hier"), std::string::npos) << shown;
    EXPECT_TRUE(fileBytes(SaveFileName).starts_with(std::string(FourthLabel) + "\n")) << fileBytes(SaveFileName);
}
