// The story's text files, checked as the game reads them: the markup is
// well-formed, and every passage is told by the scene code of its chapter
// (a passage the code names but the file lacks does not compile).
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "story/script.h"
#include "support/work_folder.h"
#include "test_seam.h"

TEST(StoryText, EveryPassageIsWellFormedAndTold) {
    namespace fs = std::filesystem;
    const fs::path story = fs::path(HULGOR_SOURCE_DIR) / "src" / "story";
    ASSERT_FALSE(storyFiles.empty());
    for (const StoryFile& file : storyFiles) {
        const std::string where = "src/story/text/" + std::string(file.name) + ":";
        ReadStory read = testSeam::readStory(file.text);
        for (const std::string& mistake : read.mistakes) ADD_FAILURE() << where << mistake;

        // The scene code of the chapter calls its passages text::name.
        const std::string chapter = fs::path(file.name).stem();
        std::set<std::string> told;
        for (const auto& source : fs::directory_iterator(story)) {
            if (source.path().extension() != ".cpp") continue;
            std::string code = fileBytes(source.path());
            if (code.find("namespace text = passages::" + chapter + ";") == std::string::npos) continue;
            const std::regex use(R"(\btext::(\w+))");
            for (std::sregex_iterator at(code.begin(), code.end(), use), end; at != end; ++at) told.insert((*at)[1]);
        }
        for (const auto& passage : read.passages) {
            if (!told.contains(passage.name)) {
                ADD_FAILURE() << where << passage.line << ": passage " << passage.name << " is never told";
            }
        }
    }
}
