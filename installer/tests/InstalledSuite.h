#pragma once
// What a test of the setup program looks at: running the setup and the uninstaller, and the
// traces an installation leaves on the machine (files, registry, start menu, the agent).
#include <windows.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace installertest {

// The setup's exit codes beyond NSIS's own (0 done, 1 cancelled, 2 aborted).
constexpr DWORD kExitNoChargeFeature = 3;
constexpr DWORD kExitOtherFolder = 6;       // /D= named another folder than the suite's
constexpr DWORD kExitProgramTimedOut = 7;   // a program setup waited for had to be ended
constexpr DWORD kExitFileInUse = 8;         // an installed file in use cannot be moved aside
constexpr DWORD kExitFileNotWritten = 9;    // a file of the new release could not be written whole
constexpr DWORD kExitAnotherSetup = 10;     // another setup or uninstaller is running
constexpr DWORD kExitTestStopped = 99;      // the test build stopped dead where it was told

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\CorvaneVezuvUvodoza";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"NodwellSrv";
// Where the web-browser control finds the document mode of the information program's page.
constexpr wchar_t kBrowserEmulationKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
constexpr wchar_t kJournalKey[] = L"Software\\Corvane\\Nodwell\\Setup";
constexpr wchar_t kSettingsLink[] = L"Corvane Vezuv Uvodoza.lnk";
constexpr wchar_t kInfoLink[] = L"Corvane Zazez Information.lnk";

// Runs a program without handing it any handle, waits at most timeoutMs, and returns its
// exit code (nothing on a timeout, after ending it).
std::optional<DWORD> RunAndWait(const std::wstring& commandLine, DWORD timeoutMs = 120000);
// The same in two halves, for a test that does something while the program runs; the wait
// closes the handle.
HANDLE StartWithoutHandles(const std::wstring& commandLine);
std::optional<DWORD> WaitForExit(HANDLE process, DWORD timeoutMs = 120000);

// The setup program of this build, the older release built for the upgrade test, and a
// test build that waits only briefly, with stand-ins for the programs it carries, and stops
// dead where NODWELL_TEST_SETUP_STOP says.
std::wstring SetupProgram();
std::wstring PreviousSetupProgram();
std::wstring BriefWaitSetupProgram();
// The staged suite the setup packages.
std::filesystem::path StagedSuite();

// Paths and registry texts compare without regard to case, as Windows compares them.
std::wstring Lower(std::wstring text);

// Every file under folder, as paths relative to it with backslashes, in lower case.
std::set<std::wstring> FilesUnder(const std::filesystem::path& folder);
// Every file under folder with its bytes, to compare a folder before and after.
std::map<std::wstring, std::string> FileContents(const std::filesystem::path& folder);
// Files the suite never installed, as an administrator may put them into its folder, one of
// them beside the suite's own in a folder of the release; placed in folder, with their bytes.
std::map<std::wstring, std::string> PlaceFilesOfOthers(const std::filesystem::path& folder);
// Those of them still in folder, with their bytes.
std::map<std::wstring, std::string> FilesOfOthersIn(const std::filesystem::path& folder);
// The staged files plus what the setup adds: its uninstaller and, when one was picked, auto.css.
std::set<std::wstring> ExpectedFiles(bool withStyleSheet);

// The registry view the setup writes to, that of the suite's programs (the 32-bit view,
// Wow6432Node, for the 32-bit product on 64-bit Windows), and the other one.
constexpr REGSAM kSetupView = sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// Registry values, by default in the setup's view; nothing when missing.
std::optional<std::wstring> ReadString(HKEY root, const wchar_t* key, const wchar_t* name,
                                       REGSAM view = kSetupView);
std::optional<DWORD> ReadDword(HKEY root, const wchar_t* key, const wchar_t* name);
bool KeyExists(HKEY root, const wchar_t* key);

// Folders under the temporary folder whose names begin with prefix. The uninstaller's copy of
// itself leaves its empty folder ("~nsu") until the next restart, and a setup that is killed
// its plug-ins folder ("ns"); a test removes those that appeared during it.
std::set<std::wstring> TempFolders(const wchar_t* prefix);

// The suite's folder in the all-users start menu.
std::filesystem::path StartMenuFolder();
// Where a shortcut points; empty when it cannot be read.
std::wstring ShortcutTarget(const std::filesystem::path& link);

// The agent of this logon session runs while its single-instance mutex exists.
bool AgentRunning();
// Ends the running agent by its process id (found through its hidden window).
void EndAgent();
// Whether a process runs from a program file of this name.
bool ProcessRunning(const std::wstring& fileName);

// The setup's log of what it did, as text.
std::wstring SetupLog();

// Leaves the machine as a test found it: uninstalls whatever installation is registered
// (silently, in place), removes what that leaves, and ends an agent still running.
class InstallationCleanup {
public:
    InstallationCleanup() = default;
    ~InstallationCleanup();
    InstallationCleanup(const InstallationCleanup&) = delete;
    InstallationCleanup& operator=(const InstallationCleanup&) = delete;
};

// The uninstaller in folder, run silently in place (_?=) so that the call waits for it.
std::optional<DWORD> UninstallInPlace(const std::filesystem::path& folder);

}  // namespace installertest
