#pragma once
// Fixture of the setup's tests: the suite's folder free to install into (the installation
// the other end-to-end tests use moved aside), the agent free to run (the user's settings
// key emptied for the test, so no "DontRunSrv" switch holds it back), and the machine left as
// found, down to the list of what goes at the next restart.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "InstalledSuite.h"
#include "NodwellSettingsKey.h"
#include "PendingDeletions.h"
#include "ProcessRunner.h"
#include "RegistrySnapshot.h"
#include "SuiteFolderAside.h"
#include "SuiteFolders.h"

namespace installertest {

class SetupTest : public ::testing::Test {
protected:
    // A silent install; without a folder the setup picks its own.
    static std::optional<DWORD> Install(const std::wstring& setup, const std::wstring& folder = {}) {
        std::wstring commandLine = testsupport::Quoted(setup) + L" /S";
        // /D= comes last and unquoted: the setup takes the rest of the line as the folder.
        if (!folder.empty()) commandLine += L" /D=" + folder;
        return RunAndWait(commandLine);
    }

    // The user's settings key, empty when the test began.
    const testsupport::RegistrySnapshot& Settings() const { return m_settings; }

    // The suite's folder, the only one the setup installs into.
    const std::filesystem::path& Target() const { return m_aside.Folder(); }

    // The part of the setup's log written since the test began.
    std::wstring LogSinceStart() const { return SetupLog().substr(m_logStart); }

    // What has been listed for deletion at the next restart since the test began.
    std::vector<std::wstring> AddedPendingDeletions() const { return m_pendingDeletions.Added(); }
    // Those of them inside folder, where a release installed before the restart would lose them.
    std::vector<std::wstring> AddedPendingDeletionsInside(const std::filesystem::path& folder) const {
        const auto inFolder = Lower(folder.wstring() + L"\\");
        std::vector<std::wstring> inside;
        for (const auto& file : AddedPendingDeletions()) {
            if (Lower(file).rfind(inFolder, 0) == 0) inside.push_back(file);
        }
        return inside;
    }

private:
    SuiteFolderAside m_aside;
    testsupport::RegistrySnapshot m_settings{NodwellSettingsKey::kPath};
    size_t m_logStart = SetupLog().size();
    PendingDeletionsGuard m_pendingDeletions;
    InstallationCleanup m_cleanup;  // last: runs first, while the rest still stands
};

// An environment variable of the test process, and so of the programs it starts, for the
// object's life: how a test tells the test build of the setup and its stand-ins what to do.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const wchar_t* name, const wchar_t* value) : m_name(name) {
        SetEnvironmentVariableW(name, value);
    }
    ~ScopedEnvironmentVariable() { SetEnvironmentVariableW(m_name, nullptr); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    const wchar_t* m_name;
};

inline bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

}  // namespace installertest
