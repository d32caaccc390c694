#include "support/work_folder.h"

#include <unistd.h>

WorkFolder::WorkFolder(const std::string& prefix) : previous_(std::filesystem::current_path()) {
    static int made = 0;
    std::error_code noShm;
    auto base = std::filesystem::is_directory("/dev/shm", noShm) ? std::filesystem::path("/dev/shm")
                                                                 : std::filesystem::temp_directory_path();
    folder_ = base / (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
}

WorkFolder::~WorkFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void WorkFolder::empty() const {
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) std::filesystem::remove_all(entry.path());
}
