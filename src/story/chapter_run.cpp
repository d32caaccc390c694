#include "story/chapters.h"

#include <array>

namespace {
// The whole story in order; later chapters join the end of this list.
constexpr std::array<Scene, 6> chapterList{firstDialogScene, secondDialogScene, awakeningScene,
                                           journeyScene, cityGateScene, endOfContentScreen};
}  // namespace

std::span<const Scene> storyChapters = chapterList;

void runChapters(int position) {
    for (std::size_t index = static_cast<std::size_t>(position - 1); index < storyChapters.size();
         ++index) {
        storyChapters[index]();
    }
}
