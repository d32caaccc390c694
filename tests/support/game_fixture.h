// Common ground for tests that run game code: a fresh working directory, a
// fresh GameState and the scripted console.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "state/game_state.h"
#include "support/scripted_console.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces what is left on standard input with `input`.
    void type(std::string input);

    // Runs `part` of the game; true when it ended the program (quitProgram).
    static bool endsProgram(const std::function<void()>& part);
    // The transcript so far, then cleared.
    std::string screen();

    // Whole-file helpers in the working directory, byte for byte.
    static std::string readFile(const std::string& name);
    static void writeFile(const std::string& name, const std::string& bytes);
    static bool fileExists(const std::string& name);

    std::unique_ptr<scripted::ScriptedSession> session;

private:
    std::filesystem::path previousDir;
    std::filesystem::path workDir;
};
