#pragma once
// The installed Menuglot.exe with description files beside it, a DbgLog.ini that sends every
// record to a log in a scratch folder, and a target folder there for the desktop.ini.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "EnvironmentVariable.h"
#include "SuiteFolders.h"

class InstalledMenuglot {
public:
    InstalledMenuglot();
    ~InstalledMenuglot();
    InstalledMenuglot(const InstalledMenuglot&) = delete;
    InstalledMenuglot& operator=(const InstalledMenuglot&) = delete;

    // Writes a description beside the program under a name of this test's own; returns it.
    std::wstring writeDescription(const std::string& content);
    // Writes a file beside the program under the given name, removed again at the end.
    void writeBesideProgram(const std::wstring& name, const std::string& content);

    // The full 32-bit exit code of a run with the given command-line text.
    DWORD run(const std::wstring& arguments) const;

    // The log lines of the runs so far, line numbers shown as (#).
    std::vector<std::string> logLines() const;

    // %MENUGLOT_TEST_ROOT% names this folder for the runs.
    const std::filesystem::path& root() const { return m_scratch.Path(); }
    std::filesystem::path menuFolder() const { return m_scratch / L"Menu"; }
    std::filesystem::path desktopIni() const { return menuFolder() / L"desktop.ini"; }

private:
    testsupport::ScratchFolder m_scratch;
    EnvironmentVariable m_root;
    std::vector<std::filesystem::path> m_besideProgram;
};

// The entries of one section of an INI file in file order, as "key=value".
std::vector<std::wstring> sectionEntries(const std::filesystem::path& file, const wchar_t* section);
std::wstring expandedForTest(const std::wstring& text);
