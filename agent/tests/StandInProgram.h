#pragma once
// A test program installed for one test under the name of one of the suite's programs; the
// program installed under that name before is set aside meanwhile and put back afterwards.
#include <filesystem>

class StandInProgram {
public:
    StandInProgram(const std::filesystem::path& standIn, const std::filesystem::path& installedPath);
    ~StandInProgram();
    StandInProgram(const StandInProgram&) = delete;
    StandInProgram& operator=(const StandInProgram&) = delete;

private:
    std::filesystem::path m_installedPath;
    std::filesystem::path m_setAside;  // empty when nothing was installed under the name
};
