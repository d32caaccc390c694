// Common ground for tests that run game code: a working folder of their own,
// a fresh GameState and the scripted console.
#pragma once

#include <gtest/gtest.h>

#include "state/game_state.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"

class GameTest : public ::testing::Test {
protected:
    GameTest() { game = GameState{}; }

    WorkFolder folder{"hulgor-test"};
    scripted::ScriptedSession session;
};
