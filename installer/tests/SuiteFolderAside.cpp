#include "SuiteFolderAside.h"

#include <windows.h>

#include <stdexcept>

#include "SuiteFolders.h"

namespace installertest {

SuiteFolderAside::SuiteFolderAside()
    : m_folder(testsupport::InstallFolder()), m_aside(m_folder.wstring() + L".installer-test") {
    std::error_code error;
    if (std::filesystem::exists(m_folder, error)) {
        std::filesystem::remove_all(m_aside, error);
        if (!MoveFileExW(m_folder.c_str(), m_aside.c_str(), 0)) {
            throw std::runtime_error("cannot move the installed suite aside");
        }
        m_moved = true;
    }
}

SuiteFolderAside::~SuiteFolderAside() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    if (!m_moved) return;
    // An uninstall takes the empty company folder away too.
    std::filesystem::create_directories(m_folder.parent_path(), ignored);
    MoveFileExW(m_aside.c_str(), m_folder.c_str(), 0);
}

}  // namespace installertest
