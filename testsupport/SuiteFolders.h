#pragma once
// Where tests find the installed suite, and scratch folders that clean up after themselves.
#include <filesystem>
#include <string>

namespace testsupport {

// "<Program Files>\Corvane\Corvane Vezuv Uvodoza\" as the suite's programs see it.
std::filesystem::path InstallFolder();

// A new empty folder under the temporary folder, deleted with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::wstring& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Whole-file helpers for small test files.
void WriteTextFile(const std::filesystem::path& path, const std::string& content);
std::string ReadTextFile(const std::filesystem::path& path);

}  // namespace testsupport
