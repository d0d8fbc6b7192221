#pragma once
// Fixture of the setup's tests: a scratch folder to install into, the agent free to run
// (its per-user "DontRunSrv" switch cleared for the test), and the machine left as found.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "InstalledSuite.h"
#include "ProcessRunner.h"
#include "RegistryValueGuard.h"
#include "SuiteFolders.h"

namespace installertest {

class SetupTest : public ::testing::Test {
protected:
    SetupTest() { m_dontRunSrv.Delete(); }

    // A silent install; without a folder the setup picks its own.
    static std::optional<DWORD> Install(const std::wstring& setup, const std::filesystem::path& folder = {}) {
        std::wstring commandLine = testsupport::Quoted(setup) + L" /S";
        // /D= comes last and unquoted: the setup takes the rest of the line as the folder.
        if (!folder.empty()) commandLine += L" /D=" + folder.wstring();
        return RunAndWait(commandLine);
    }

    std::filesystem::path Target() const { return m_scratch / L"Corvane Vezuv Uvodoza"; }

    // The part of the setup's log written since the test began.
    std::wstring LogSinceStart() const { return SetupLog().substr(m_logStart); }

private:
    testsupport::ScratchFolder m_scratch;
    RegistryValueGuard m_dontRunSrv{L"Software\\Corvane\\Nodwell", L"DontRunSrv"};
    size_t m_logStart = SetupLog().size();
    InstallationCleanup m_cleanup;  // last: runs first, while the rest still stands
};

inline bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

}  // namespace installertest
