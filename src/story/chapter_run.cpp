#include "story/chapters.h"

#include <array>

#include "state/game_state.h"

namespace {
// The whole story in order; later chapters join the end of this list.
constexpr std::array<Scene, 6> chapterList{firstDialogScene, secondDialogScene, awakeningScene,
                                           journeyScene, cityGateScene, endOfContentScreen};

// A chapter that saves a label of its own adds a line here.
constexpr std::array<ResumePlace, 3> checkpointList{{
    {Checkpoint::FirstDialog, 1},
    {Checkpoint::SecondDialog, 2},
    {Checkpoint::Awakening, 3},
}};
}  // namespace

std::span<const Scene> storyChapters = chapterList;
std::span<const ResumePlace> checkpoints = checkpointList;

void runChapters(int position) {
    for (std::size_t index = static_cast<std::size_t>(position - 1); index < storyChapters.size();
         ++index) {
        storyChapters[index]();
    }
}
