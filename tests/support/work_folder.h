// A working folder of its own for code that plays games: in memory where
// there is /dev/shm (every save is flushed to disk), current while the
// object lives, then removed with its content, whatever permissions a test
// left on it.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

// The whole of a file, byte for byte ("" when it cannot be read).
inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class WorkFolder {
public:
    explicit WorkFolder(const std::string& prefix) {
        static int made = 0;
        std::error_code noShm;
        bool inMemory = std::filesystem::is_directory("/dev/shm", noShm);
        folder_ = (inMemory ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) /
                  (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(folder_, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Removes everything in the folder.
    void empty() const {
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            std::filesystem::remove_all(entry.path());
        }
    }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path folder_;
};
