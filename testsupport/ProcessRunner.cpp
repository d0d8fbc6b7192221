#include "ProcessRunner.h"

#include <algorithm>
#include <stdexcept>
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

    // The output is read while the program runs, so that a chatty program never blocks on a
    // full pipe, and only until the program ends: a process it started may hold the pipe open
    // for much longer (Wine's desktop process does).
    ProcessResult result;
    const auto drain = [&] {
        DWORD available = 0;
        char buffer[4096];
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            DWORD read = 0;
            if (!ReadFile(readEnd, buffer, std::min<DWORD>(available, sizeof(buffer)), &read, nullptr) || read == 0) break;
            result.output.append(buffer, read);
        }
    };
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool ended = false;
    for (;;) {
        drain();
        if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) {
            ended = true;
            drain();
            break;
        }
        if (timeoutMs != INFINITE && GetTickCount64() >= deadline) break;
    }
    if (!ended) {
        TerminateProcess(process.hProcess, 0xDEAD);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
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

std::wstring CommandLineOf(const std::wstring& program, const wchar_t* const* arguments, int count) {
    std::wstring commandLine = Quoted(program);
    for (int i = 0; i < count; ++i) {
        const std::wstring argument = arguments[i];
        const bool plain = !argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos;
        commandLine += L" " + (plain ? argument : Quoted(argument));
    }
    return commandLine;
}

}  // namespace testsupport
