#pragma once
// Writing NodwellCtl's text to a standard handle: wide characters to a console, UTF-8 to a
// file or pipe (a script's redirection), with the console's CR LF line ends either way.
#include <windows.h>

#include <string>

namespace ctl {

void WriteText(HANDLE hStream, const std::wstring& text);

}  // namespace ctl
