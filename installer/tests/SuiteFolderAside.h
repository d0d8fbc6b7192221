#pragma once
// The suite's folder under Program Files belongs to the other end-to-end tests, which
// install the build there: a test that installs into it moves that installation aside for
// its own life and puts it back afterwards, over whatever the test left.
#include <filesystem>

namespace installertest {

class SuiteFolderAside {
public:
    SuiteFolderAside();
    ~SuiteFolderAside();
    SuiteFolderAside(const SuiteFolderAside&) = delete;
    SuiteFolderAside& operator=(const SuiteFolderAside&) = delete;

    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_aside;
    bool m_moved = false;
};

}  // namespace installertest
