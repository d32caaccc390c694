#include "story/chapters.h"

#include <array>

#include "state/game_state.h"
#include "story/awakening_ways.h"

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
constexpr std::array<NamedScene, 11> sceneList{{
    {"first_dialog", firstDialogScene, 1},
    {"second_dialog", secondDialogScene, 2},
    {"awakening", awakeningScene, 3},
    {"crossroads", crossroads, 3},
    {"mountain_way", mountainWay, 3},
    {"mountain_morning", mountainMorning, 3},
    {"south_way", southWay, 3},
    {"tower_way", towerWay, 3},
    {"journey", journeyScene, 4},
    {"city_gate", cityGateScene, 5},
    {"end_of_content", endOfContentScreen, 6},
}};
}  // namespace

std::span<const Scene> storyChapters = chapterList;
std::span<const ResumePlace> checkpoints = checkpointList;
std::span<const NamedScene> namedScenes = sceneList;

const NamedScene* sceneNamed(std::string_view name) {
    for (const NamedScene& scene : namedScenes) {
        if (scene.name == name) return &scene;
    }
    return nullptr;
}

void runFromScene(const NamedScene& scene) {
    scene.scene();
    runChapters(scene.chapter + 1);
}

void runChapters(int position) {
    for (std::size_t index = static_cast<std::size_t>(position - 1); index < storyChapters.size();
         ++index) {
        storyChapters[index]();
    }
}
