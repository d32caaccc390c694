// libFuzzer target: a whole game on the scripted console from arbitrary
// bytes (see session.h), stopped after 400 waits.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "fuzz/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WorkFolder folder("hulgor-fuzz-session");
    std::string_view bytes(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 4097));
    if (!playSession(folder, bytes, 400).empty()) std::abort();
    return 0;
}
