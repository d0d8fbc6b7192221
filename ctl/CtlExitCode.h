#pragma once
// NodwellCtl's exit codes, each documented in the usage text and the README.
namespace ctl {

enum ExitCode : int {
    kExitDone = 0,
    kExitUsage = 1,               // the command line is wrong, or names what the machine does not offer
    kExitNoLibrary = 2,           // the feature library is missing or cannot be initialised
    kExitChangesNotAllowed = 3,   // the library says the user may not change the settings
    kExitSettingsOpen = 4,        // the settings program runs: it would overwrite the change
    kExitLibraryCallFailed = 5,   // a library call failed; its name and status are on standard error
};

}  // namespace ctl
