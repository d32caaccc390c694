// Common ground for tests that run game code: a fresh working folder (in
// memory where there is /dev/shm, since every save is flushed to disk), a
// fresh GameState and the scripted console.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/scripted_console.h"
#include "support/work_folder.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Whole files in the working folder, byte for byte.
    static std::string readFile(const std::string& name);
    static void writeFile(const std::string& name, const std::string& bytes);

    std::optional<WorkFolder> folder;
    std::optional<scripted::ScriptedSession> session;
};
