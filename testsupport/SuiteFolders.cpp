#include "SuiteFolders.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::filesystem::path InstallFolder() {
    wchar_t programFiles[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, programFiles, CSIDL_PROGRAM_FILES, FALSE)) {
        throw std::runtime_error("no Program Files folder");
    }
    return std::filesystem::path(programFiles) / L"Corvane" / L"Corvane Vezuv Uvodoza";
}

ScratchFolder::ScratchFolder() {
    const auto base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0;; ++attempt) {
        auto candidate = base / (L"suitetest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(attempt));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    // Files a test made read-only would stop the removal. Nothing here may throw: a path
    // the iterator cannot follow ends the walk, not the test program.
    std::filesystem::recursive_directory_iterator entry(m_path, ignored);
    for (; !ignored && entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
        SetFileAttributesW(entry->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(m_path, ignored);
}

void WriteTextFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("cannot write " + path.string());
    file << content;
}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

}  // namespace testsupport
