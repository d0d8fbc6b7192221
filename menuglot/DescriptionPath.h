#pragma once
// Menuglot's command line: the description file it names, or the one named after the program.
#include <string>

// The argument is always taken relative to the program folder, quotes and all, blanks before
// it skipped; without one, the program's own file name with "ini" for its last three
// characters (x.exe reads x.ini). The path is built without a length limit, so an overlong
// argument names no existing file rather than a cut one.
std::wstring descriptionPath(const std::wstring& programFolder, const wchar_t* programPath,
                             const wchar_t* commandLine);
