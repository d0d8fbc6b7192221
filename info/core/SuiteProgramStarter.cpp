#include "SuiteProgramStarter.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

std::wstring SuiteProgramCommandLine(const std::wstring& strProgramFiles, const std::wstring& strProgram,
                                     const std::wstring& strArguments) {
    return L"\"" + strProgramFiles + L"\\Corvane\\Corvane Vezuv Uvodoza\\" + strProgram + L"\" " + strArguments;
}

bool StartSuiteProgram(const std::wstring& strProgram, const std::wstring& strArguments) {
    wchar_t szProgramFiles[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, szProgramFiles, CSIDL_PROGRAM_FILES, FALSE)) return false;
    const std::wstring commandLine = SuiteProgramCommandLine(szProgramFiles, strProgram, strArguments);
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}
