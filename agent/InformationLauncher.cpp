#include "InformationLauncher.h"

#include <windows.h>

#include "KernelHandle.h"
#include "SuiteProgram.h"

namespace {

bool MutexExists(const wchar_t* szName) {
    return KernelHandle(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, szName)).IsValid();
}

}  // namespace

std::wstring InformationCommandLine(const std::wstring& programFilesFolder) {
    return SuiteProgramCommandLine(programFilesFolder, L"NodwellInfo.exe", L"/setup");
}

bool IsSettingsOrInformationRunning() {
    return MutexExists(L"Global\\Nodwell") || MutexExists(L"Local\\NodwellInfo");
}

void LaunchInformationProgram() {
    // The agent neither waits for the program nor remembers it; a failure is silent.
    if (!IsSettingsOrInformationRunning()) StartSuiteProgram(L"NodwellInfo.exe", L"/setup");
}
