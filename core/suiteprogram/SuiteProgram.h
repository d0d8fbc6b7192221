#pragma once
// Starting a program of the suite from the installation folder, where the programs find one
// another: "<Program Files>\Corvane\Corvane Vezuv Uvodoza\".
#include <string>

// The program's full path; empty when the system names no Program Files folder.
std::wstring SuiteProgramPath(const std::wstring& strProgram);

// The program's path in double quotes, then the arguments, if any. Unquoted, a path with
// blanks lets the system run "C:\Program.exe" first.
std::wstring SuiteProgramCommandLine(const std::wstring& strProgramFiles, const std::wstring& strProgram,
                                     const std::wstring& strArguments);

// Starts the program with a normal window; with bWait, returns only after it has ended,
// answering only the messages sent to the thread's windows meanwhile. False when it could not
// be started.
bool StartSuiteProgram(const std::wstring& strProgram, const std::wstring& strArguments, bool bWait = false);
