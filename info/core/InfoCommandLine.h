#pragma once
// The information program's command line: "/"-separated options "p:" and "s:" with
// hexadecimal language ids, and "setup".
#include <windows.h>

struct InfoCommandLine {
    WORD wPrimaryLang = 0;  // option p, 0 when absent
    WORD wSubLang = 0;      // option s, 0 when absent
    bool bSetup = false;    // token "setup", exactly in lower case
};

// Reads the text the framework hands over (everything after the program's name). Blanks and
// tabs at the end of a token are dropped; the first token left empty ends the reading.
InfoCommandLine ParseInfoCommandLine(const wchar_t* pszCommandLine);
