// The few hooks that exist only for the tests and the benchmarks. Each floor
// defines its own section; the game itself never calls them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct ReadStory;
struct StoryEvent;

namespace testSeam {

// Console, sound (SDL back end): waits until every sound asked for so far
// has been taken up (or refused), then names the one still playing, or
// gives "" when none is.
std::string soundNowPlaying();

// Story (story/script_parser.cpp): reads a story file as the game does and
// reports its passages and markup mistakes (ReadStory, in story/script.h).
ReadStory readStory(std::string_view text);
// Story (story/script_render.cpp, scene.cpp): from now on `watch` is told
// every passage told, every choice as its number is about to be read (with
// the options its script declares: number, golden or not, what the answer
// does) and every answer taken; an empty function stops it. With the
// scripted console this tells where each answer of each choice leads.
void watchStory(std::function<void(const StoryEvent&)> watch);

// Front end (frontend/menu_loop.cpp).
// The game as if a new game from the entry-point menu had reached `story`,
// with the state as it stands; `story` plays on to the end of the chapter
// run, and then the menus run as ever.
void runMenusAfter(const std::function<void()>& story);
// The nested title menus open now, and the entries that store them.
std::uint64_t menuDepth();
std::size_t menuStoredRuns();

}  // namespace testSeam
