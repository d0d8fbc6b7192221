#pragma once
// The settings program's command line: "/"-separated options "p:<hex>" (primary language),
// "s:<hex>" (sub-language) and "noinfo" (do not show the information program at start).
#include <windows.h>

struct CommandLineOptions {
    WORD wPrimaryLang = 0;
    WORD wSubLang = 0;
    bool bNoInfo = false;
};

CommandLineOptions ParseCommandLine(const wchar_t* lpszCommandLine);
