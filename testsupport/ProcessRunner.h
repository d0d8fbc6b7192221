#pragma once
// Starts a Windows program and reports what a caller can see of it: the full 32-bit exit
// code (a Linux shell sees only its low 8 bits under Wine) and its standard output.
#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

struct ProcessResult {
    DWORD exitCode = 0;
    std::string output;  // standard output and standard error, as the program wrote them
};

// Runs commandLine and waits at most timeoutMs for it to end. On a timeout the process is
// terminated and nothing is returned; a program that cannot be started throws.
std::optional<ProcessResult> RunProgram(const std::wstring& commandLine, DWORD timeoutMs = 30000);

// Starts commandLine without waiting; the caller owns the returned process handle.
HANDLE StartProgram(const std::wstring& commandLine);

// Puts an argument in double quotes for a command line, read back as it was.
std::wstring Quoted(const std::wstring& path);

// The command line of a program and its arguments as a shell gave them: the program quoted,
// an argument only when it needs it, so that options reach the program as typed.
std::wstring CommandLineOf(const std::wstring& program, const wchar_t* const* arguments, int count);

}  // namespace testsupport
