#pragma once
// Starting the information program in its set-up mode.
#include <string>

// The command line that starts the installed information program: its path in double quotes
// (an unquoted path with blanks lets the system run "C:\Program.exe" first), then "/setup".
std::wstring InformationCommandLine(const std::wstring& programFilesFolder);

// True when the settings program runs (in any session) or the information program runs in
// this one; their mutexes are looked up, never created or owned. A mutex this user may not
// open counts as existing.
bool IsSettingsOrInformationRunning();

// Starts the information program with "/setup" unless one of the two programs runs; does
// not wait for it or remember it. Every failure is silent.
void LaunchInformationProgram();
