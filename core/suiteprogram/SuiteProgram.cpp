#include "SuiteProgram.h"

#include <windows.h>
#include <shlobj.h>

#include "KernelHandle.h"

namespace {

constexpr wchar_t kSuiteFolder[] = L"\\Corvane\\Corvane Vezuv Uvodoza\\";

std::wstring ProgramFilesFolder() {
    wchar_t szProgramFiles[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, szProgramFiles, CSIDL_PROGRAM_FILES, FALSE)) return {};
    return szProgramFiles;
}

// Waits for the process to end. The thread may own windows already: messages other programs
// send to them (broadcasts among them) are answered meanwhile, so that no sender hangs; input
// and posted messages wait for the thread's own message loop.
void WaitAnsweringSentMessages(HANDLE hProcess) {
    while (::MsgWaitForMultipleObjects(1, &hProcess, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

std::wstring SuiteProgramPath(const std::wstring& strProgram) {
    const std::wstring programFiles = ProgramFilesFolder();
    return programFiles.empty() ? std::wstring() : programFiles + kSuiteFolder + strProgram;
}

std::wstring SuiteProgramCommandLine(const std::wstring& strProgramFiles, const std::wstring& strProgram,
                                     const std::wstring& strArguments) {
    std::wstring commandLine = L"\"" + strProgramFiles + kSuiteFolder + strProgram + L"\"";
    if (!strArguments.empty()) commandLine += L" " + strArguments;
    return commandLine;
}

bool StartSuiteProgram(const std::wstring& strProgram, const std::wstring& strArguments, bool bWait) {
    const std::wstring programFiles = ProgramFilesFolder();
    if (programFiles.empty()) return false;
    const std::wstring path = programFiles + kSuiteFolder + strProgram;
    std::wstring commandLine = SuiteProgramCommandLine(programFiles, strProgram, strArguments);
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
    const KernelHandle thread(process.hThread);
    const KernelHandle started(process.hProcess);
    if (bWait) WaitAnsweringSentMessages(started.Get());
    return true;
}
