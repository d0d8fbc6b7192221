#pragma once
// Starting the suite's other programs from the installation folder.
#include <string>

// "\"<Program Files>\Corvane\Corvane Vezuv Uvodoza\<program>\" <arguments>". The path is
// quoted: unquoted, a path with blanks lets the system run "C:\Program.exe" first.
std::wstring SuiteProgramCommandLine(const std::wstring& strProgramFiles, const std::wstring& strProgram,
                                     const std::wstring& strArguments);

// Starts the program with a normal window and forgets it; false when it could not be started.
bool StartSuiteProgram(const std::wstring& strProgram, const std::wstring& strArguments);
