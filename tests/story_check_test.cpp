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
    const fs::path sources = fs::path(HULGOR_SOURCE_DIR) / "src";
    ASSERT_FALSE(storyFiles.empty());
    for (const StoryFile& file : storyFiles) {
        const std::string where = "src/story/text/" + std::string(file.name) + ":";
        ReadStory read = testSeam::readStory(file.text);
        for (const std::string& mistake : read.mistakes) ADD_FAILURE() << where << mistake;

        // The code names each passage: passages::file::name, or text::name
        // where text stands for passages::file.
        const std::string chapter = fs::path(file.name).stem();
        std::set<std::string> told;
        for (const auto& source : fs::recursive_directory_iterator(sources)) {
            if (source.path().extension() != ".cpp" && source.path().extension() != ".h") continue;
            std::string code = fileBytes(source.path());
            const bool aliased = code.find("namespace text = passages::" + chapter + ";") != std::string::npos;
            const std::regex use(aliased ? R"(\b(?:text|passages::)" + chapter + R"()::(\w+))"
                                         : R"(\bpassages::)" + chapter + R"(::(\w+))");
            for (std::sregex_iterator at(code.begin(), code.end(), use), end; at != end; ++at) told.insert((*at)[1]);
        }
        for (const auto& passage : read.passages) {
            if (!told.contains(passage.name)) {
                ADD_FAILURE() << where << passage.line << ": passage " << passage.name << " is never told";
            }
        }
    }
}
