#include "InfoProgramLauncher.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <type_traits>

namespace InfoProgramLauncher {

namespace {

constexpr wchar_t kSuiteFolder[] = L"\\Corvane\\Corvane Vezuv Uvodoza\\";
constexpr wchar_t kProgramName[] = L"NodwellInfo.exe";

struct HandleCloser {
    void operator()(HANDLE hHandle) const { ::CloseHandle(hHandle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

}  // namespace

std::wstring ProgramPath() {
    wchar_t szProgramFiles[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, szProgramFiles, CSIDL_PROGRAM_FILES, FALSE);
    return std::wstring(szProgramFiles) + kSuiteFolder + kProgramName;
}

std::wstring CommandLine(const std::wstring& strProgramPath) { return L"\"" + strProgramPath + L"\""; }

bool Start(bool bWait) {
    const std::wstring path = ProgramPath();
    std::wstring commandLine = CommandLine(path);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // The application name is given too, so that no other file is ever taken for the program.
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return false;
    }
    const OwnedHandle processHandle(process.hProcess);
    const OwnedHandle threadHandle(process.hThread);
    if (bWait) ::WaitForSingleObject(processHandle.get(), INFINITE);
    return true;
}

}  // namespace InfoProgramLauncher
