#pragma once
// Starts the information program from the suite's installation folder.
#include <string>

namespace InfoProgramLauncher {

// "<Program Files>\Corvane\Corvane Vezuv Uvodoza\NodwellInfo.exe".
std::wstring ProgramPath();

// The command line that starts it: the path in double quotes, because a path with blanks
// left bare lets Windows try "C:\Program.exe" and the like first.
std::wstring CommandLine(const std::wstring& strProgramPath);

// Starts it with a normal window; with bWait, returns only after it has ended. False when
// it could not be started.
bool Start(bool bWait);

}  // namespace InfoProgramLauncher
