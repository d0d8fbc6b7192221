#pragma once
// Folders as the menuglot tests need them: the test program's own, and a current folder that
// holds for the length of a test (started programs inherit it).
#include <windows.h>

#include <filesystem>

inline std::filesystem::path testProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(m_previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path m_previous;
};
