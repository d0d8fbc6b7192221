#pragma once
// NodwellCtl's whole run on the settings program's core: the command line, the guards against
// a running settings program and another NodwellCtl, the library's preparation, the machine's
// values, the apply, and the answer. Answers with its exit code (CtlExitCode.h).
#include <functional>
#include <string>
#include <vector>

#include "MachineReport.h"
#include "SettingsTexts.h"

namespace ctl {

// arguments: the command line without the program's name. loadLibrary is called once the
// command line is understood and help was not asked for; false: the library is missing.
int RunCtl(const std::vector<std::wstring>& arguments, const SettingsTexts& texts,
           const std::function<bool()>& loadLibrary, Output& output);

}  // namespace ctl
