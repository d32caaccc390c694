#include "support/named_scenes.h"

#include <array>

#include "story/awakening_ways.h"
#include "story/chapters.h"

namespace {
constexpr std::array<NamedScene, 11> sceneList{{
    {"first_dialog", firstDialogScene, 1},
    {"second_dialog", secondDialogScene, 2},
    {"awakening", awakeningScene, 3},
    {"crossroads", crossroads, 3},
    {"mountain_way", takeMountainWay, 3},
    {"mountain_morning", mountainMorningScene, 3},
    {"south_way", takeSouthWay, 3},
    {"tower_way", takeTowerWay, 3},
    {"journey", journeyScene, 4},
    {"city_gate", cityGateScene, 5},
    {"end_of_content", endOfContentScreen, 6},
}};
}  // namespace

std::span<const NamedScene> namedScenes() { return sceneList; }

const NamedScene* sceneNamed(std::string_view name) {
    for (const NamedScene& scene : sceneList) {
        if (scene.name == name) return &scene;
    }
    return nullptr;
}

void runFromScene(const NamedScene& scene) {
    scene.scene();
    runChapters(scene.chapter + 1);
}
