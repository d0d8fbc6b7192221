#include "ProcessRunner.h"

#include <stdexcept>
#include <thread>
#include <vector>

namespace testsupport {
namespace {

std::runtime_error StartError(const std::wstring& commandLine) {
    const DWORD error = GetLastError();
    std::string text = "cannot start program (error " + std::to_string(error) + "): ";
    for (wchar_t c : commandLine) text += c < 128 ? static_cast<char>(c) : '?';
    return std::runtime_error(text);
}

PROCESS_INFORMATION Create(const std::wstring& commandLine, STARTUPINFOW& startup, BOOL inheritHandles) {
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, inheritHandles, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw StartError(commandLine);
    }
    CloseHandle(process.hThread);
    return process;
}

}  // namespace

std::optional<ProcessResult> RunProgram(const std::wstring& commandLine, DWORD timeoutMs) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) throw StartError(commandLine);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    try {
        process = Create(commandLine, startup, TRUE);
    } catch (...) {
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        throw;
    }
    CloseHandle(writeEnd);

    // Drain the pipe while the program runs so that a chatty program cannot block on it.
    ProcessResult result;
    std::thread reader([&] {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            result.output.append(buffer, read);
        }
    });

    const bool ended = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.hProcess, 0xDEAD);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    reader.join();
    CloseHandle(readEnd);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hProcess);
    if (!ended) return std::nullopt;
    return result;
}

HANDLE StartProgram(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return Create(commandLine, startup, FALSE).hProcess;
}

std::wstring Quoted(const std::wstring& path) {
    // Backslashes before the closing quote would escape it: double them.
    const size_t trailing = path.size() - (path.find_last_not_of(L'\\') + 1);
    return L"\"" + path + std::wstring(trailing, L'\\') + L"\"";
}

}  // namespace testsupport
