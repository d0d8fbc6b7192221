#include "InformationLauncher.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "KernelHandle.h"

namespace {

bool MutexExists(const wchar_t* szName) {
    return KernelHandle(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, szName)).IsValid();
}

}  // namespace

std::wstring InformationCommandLine(const std::wstring& programFilesFolder) {
    return L"\"" + programFilesFolder + L"\\Corvane\\Corvane Vezuv Uvodoza\\NodwellInfo.exe\" /setup";
}

bool IsSettingsOrInformationRunning() {
    return MutexExists(L"Global\\Nodwell") || MutexExists(L"Local\\NodwellInfo");
}

void LaunchInformationProgram() {
    if (IsSettingsOrInformationRunning()) return;
    wchar_t szProgramFiles[MAX_PATH] = {};
    // Without the folder there is no path to start.
    if (!::SHGetSpecialFolderPathW(nullptr, szProgramFiles, CSIDL_PROGRAM_FILES, FALSE)) return;
    const std::wstring commandLine = InformationCommandLine(szProgramFiles);
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &process)) {
        // The agent neither waits for the program nor remembers it.
        const KernelHandle ownedThread(process.hThread);
        const KernelHandle ownedProcess(process.hProcess);
    }
}
