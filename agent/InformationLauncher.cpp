#include "InformationLauncher.h"

#include <windows.h>

#include "KernelHandle.h"
#include "SingleInstance.h"
#include "SuiteProgram.h"

namespace {

// A mutex whose security denies this user (another user's settings program in "Global\")
// exists all the same.
bool MutexExists(const wchar_t* szName) {
    const KernelHandle mutex(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, szName));
    return mutex.IsValid() || ::GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

std::wstring InformationCommandLine(const std::wstring& programFilesFolder) {
    return SuiteProgramCommandLine(programFilesFolder, L"NodwellInfo.exe", L"/setup");
}

bool IsSettingsOrInformationRunning() {
    return MutexExists(kSettingsProgramInstance.szMutex) || MutexExists(kInfoProgramInstance.szMutex);
}

void LaunchInformationProgram() {
    // The agent neither waits for the program nor remembers it; a failure is silent.
    if (!IsSettingsOrInformationRunning()) StartSuiteProgram(L"NodwellInfo.exe", L"/setup");
}
