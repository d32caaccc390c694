// A working folder of its own for code that plays games: in memory where
// there is /dev/shm (every save is flushed to disk), made current while the
// object lives, then removed with its content, whatever permissions a test
// left on it.
#pragma once

#include <filesystem>
#include <string>

class WorkFolder {
public:
    explicit WorkFolder(const std::string& prefix);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Removes everything in the folder.
    void empty() const;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};
