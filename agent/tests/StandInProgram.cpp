#include "StandInProgram.h"

StandInProgram::StandInProgram(const std::filesystem::path& standIn, const std::filesystem::path& installedPath)
    : m_installedPath(installedPath) {
    if (std::filesystem::exists(installedPath)) {
        m_setAside = installedPath;
        m_setAside += L".set-aside-by-test";
        std::filesystem::rename(installedPath, m_setAside);
    }
    std::filesystem::copy_file(standIn, installedPath);
}

StandInProgram::~StandInProgram() {
    std::error_code ignored;
    std::filesystem::remove(m_installedPath, ignored);
    if (!m_setAside.empty()) std::filesystem::rename(m_setAside, m_installedPath, ignored);
}
