#pragma once
// What NodwellCtl answers. For people: the machine's values as lines of text on standard
// output, what went wrong on standard error. For scripts: one JSON object on standard output
// for every outcome, errors included, with keys documented in the README.
#include <optional>
#include <string>
#include <vector>

#include "MachineState.h"
#include "ModeChoice.h"
#include "SettingsModel.h"
#include "SettingsTexts.h"

namespace ctl {

struct Output {
    std::wstring strOut;  // the report, or the usage text asked for
    std::wstring strErr;  // what went wrong, and the usage text after a usage error
};

struct MachineValues {
    std::vector<NamedMode> modes;
    bool bChargeOn = false;
    // The mode Zazez and Charge runs in, its name empty when the machine does not offer it;
    // while it is off, the mode it would be switched on with. Nothing when there is none.
    std::optional<NamedMode> mode;
    bool bBatteryOn = false;
    DWORD dwLimit = 0;
    bool bMusicSupported = false;
    bool bMusicOn = false;
    // The values the settings dialog would write back otherwise.
    bool bDialogChangesMode = false;
    bool bDialogChangesLimit = false;
    bool bDialogChangesMusic = false;
};

struct MachineReport {
    bool bChangesAllowed = false;
    // Read only when changes are allowed, as the settings program reads them.
    std::optional<MachineValues> values;
};

// What went wrong: the library call that failed, when one did, and what it means.
struct CtlError {
    std::optional<LibraryFailure> failure;
    std::wstring strMessage;
};

// One run's answer.
struct Outcome {
    int nExitCode = 0;
    std::optional<MachineReport> report;
    std::optional<bool> changed;  // set and defaults: whether they applied anything
    std::optional<CtlError> error;
};

// "NWLB_<function> failed with status <status>".
std::wstring FailureText(const LibraryFailure& failure);

MachineValues ValuesOf(const MachineState& machine, const SettingsTexts& texts);

void AnswerInText(const Outcome& outcome, Output& output);
void AnswerInJson(const Outcome& outcome, Output& output);

}  // namespace ctl
