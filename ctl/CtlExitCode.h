#pragma once
// NodwellCtl's exit codes, each documented in the usage text and the README.
namespace ctl {

enum ExitCode : int {
    kExitDone = 0,
    kExitUsage = 1,               // the command line is wrong, or names what the machine does not offer
    kExitNoLibrary = 2,           // the feature library is missing or cannot be initialised
    kExitChangesNotAllowed = 3,   // the library says the user may not change the settings
    kExitSettingsOpen = 4,        // the settings program runs (it would overwrite the change), or
                                  // another NodwellCtl did not finish in time
    kExitLibraryCallFailed = 5,   // a library call failed; nothing changed
    kExitAppliedInPart = 6,       // a call failed at or after the commit: the change is applied,
                                  // wholly or in part
};

}  // namespace ctl
