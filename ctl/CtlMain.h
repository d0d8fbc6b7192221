#pragma once
// NodwellCtl's whole run on the settings program's core: the command line, the guard against
// a running settings program, the library's preparation and load, the apply, and the report.
// Answers with its exit code (CtlExitCode.h).
#include <string>
#include <vector>

#include "SettingsTexts.h"

namespace ctl {

struct Output {
    std::wstring strOut;  // the report, or the usage text asked for
    std::wstring strErr;  // what went wrong, and the usage text after a usage error
};

// arguments: the command line without the program's name.
int RunCtl(const std::vector<std::wstring>& arguments, const SettingsTexts& texts, Output& output);

}  // namespace ctl
