#pragma once
// The style-sheet picker's whole run: command line, hardware query and copy. Answers with
// its exit code; prints only its usage text and one error message.
#include <ostream>
#include <string>
#include <vector>

#include "PwrioDevice.h"

namespace stylepick {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitCommandLineError = 256;

inline constexpr char kUsageText[] =
    "    Stylepick.exe <option>\n"
    "      <option>: /?                    Show Help Info\n"
    "                /path <DestCssFile> [SourceCssPath] \n"
    "\n"
    "    eg: Stylepick.exe /path \"C:\\auto.css\"\n"
    "    eg: Stylepick.exe /path \"C:\\auto.css\"  \".\\CSS\\\"\n";
inline constexpr char kParameterErrorText[] = "[Main] -Paramter error\n";

// arguments: the command line without the program name.
int StylepickMain(const std::vector<std::wstring>& arguments, pwrio::IDevice& device, std::ostream& out);

}  // namespace stylepick
