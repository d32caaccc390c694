#include "story/chapters.h"

#include <array>

namespace {
// Later chapters join this list as they are written.
constexpr std::array<Scene, 2> chapterList{firstDialogScene, secondDialogScene};
}  // namespace

std::span<const Scene> storyChapters = chapterList;

void runChapters(int position) {
    for (std::size_t index = static_cast<std::size_t>(position - 1); index < storyChapters.size();
         ++index) {
        storyChapters[index]();
    }
}
