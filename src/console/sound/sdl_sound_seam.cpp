// The SDL player's hook for the tests of the sound back end.
#include "test_seam.h"

#include "console/sound/sdl_library.h"
#include "console/sound/sdl_player.h"

std::string testSeam::soundNowPlaying() {
    Player& p = player();
    std::unique_lock guard(p.lock);
    if (p.device == Device::Closed) return "";
    p.settled.wait(guard, [&] { return p.device != Device::Opening && !p.next && !p.seen.busy; });
    return p.deviceOpen && sdl.playing(0) != 0 ? p.seen.current : "";
}
