// Every scene of the story by name, for routes that start in the middle of
// the story with a state of their own; players only reach scenes through
// the story. A scene is the rest of its chapter from a point on; played by
// name, the chapters after it follow as they would.
#pragma once

#include <span>
#include <string_view>

#include "story/scene.h"

struct NamedScene {
    std::string_view name;
    Scene scene;
    int chapter;  // the position in the chapter run the scene belongs to
};

// Every scene, in story order.
std::span<const NamedScene> namedScenes();

// The scene of that name, or null.
const NamedScene* sceneNamed(std::string_view name);

// Plays the scene, then the chapters after its own.
void runFromScene(const NamedScene& scene);
