#include "CtlMain.h"

#include <optional>
#include <string_view>

#include "ApplyLock.h"
#include "CtlCommandLine.h"
#include "CtlExitCode.h"
#include "MachineState.h"
#include "SavedModeValue.h"
#include "SettingsModel.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

namespace ctl {
namespace {

// Long enough for another NodwellCtl's apply, short enough for an unattended run.
constexpr DWORD kOtherCtlWaitMs = 5000;

Outcome Failed(int nExitCode, const std::optional<LibraryFailure>& failure, const std::wstring& strMessage = {}) {
    return Outcome{nExitCode, std::nullopt, std::nullopt, CtlError{failure, strMessage}};
}

Outcome Reported(const MachineState& machine, const SettingsTexts& texts, std::optional<bool> changed = {}) {
    return Outcome{kExitDone, MachineReport{true, ValuesOf(machine, texts)}, changed, std::nullopt};
}

// The values as the dialog's Default button leaves the controls: both features off, the first
// mode chosen, the factory battery values as the slider holds them.
SettingsValues DefaultValues(const MachineState& machine, const BatteryDefaults& defaults) {
    const std::vector<ModeEntry> modes = machine.Modes();
    SettingsValues values;
    values.nModeCode = modes.empty() ? 0 : modes.front().nCode;
    values.bBatteryOn = defaults.bEnabled;
    values.nLimit = defaults.nLimit;
    return values;
}

// The machine's values with what the request names changed, as if the user had changed those
// controls; a usage error when the request asks what the machine does not offer. Whatever the
// request does not name stays as the machine has it, also where the dialog could not show it.
std::optional<SettingsValues> ChangedValues(const Request& request, const MachineState& machine,
                                            SettingsModel& model, const SettingsTexts& texts,
                                            std::wstring& strError) {
    SettingsValues values;
    values.bChargeOn = machine.dwMode != 0;
    values.nModeCode = machine.ModeCode();
    values.bBatteryOn = machine.bBatteryOn;
    values.nLimit = static_cast<int>(machine.dwLimit);
    values.bMusicOn = machine.bMusicOn;

    if (request.mode) {
        const std::vector<ModeEntry> modes = machine.Modes();
        const std::optional<size_t> entry = FindMode(modes, texts, *request.mode);
        if (!entry) {
            strError = L"this machine offers no mode \"" + *request.mode + L"\"";
            return std::nullopt;
        }
        values.nModeCode = modes[*entry].nCode;
        model.MarkModeChanged();
    }
    if (request.charge) {
        // The dialog would switch the feature off without a mode to run it in.
        if (*request.charge && values.nModeCode == 0) {
            strError = L"this machine offers no power-supply mode";
            return std::nullopt;
        }
        values.bChargeOn = *request.charge;
    }
    if (request.battery) values.bBatteryOn = *request.battery;
    if (request.limit) values.nLimit = *request.limit;
    if (request.music) {
        if (*request.music && !machine.bMusicSupported) {
            strError = L"this machine has no Zazez and Music";
            return std::nullopt;
        }
        values.bMusicOn = *request.music;
    }
    return values;
}

// Whether an apply of the values would change the machine or the remembered "Mode".
bool WouldChange(const SettingsValues& values, bool bModeChanged, const MachineState& machine) {
    const bool bWritesMode = bModeChanged && IsModeCode(values.nModeCode) &&
                             SettingsStore::ReadMode() != static_cast<DWORD>(values.nModeCode);
    return bWritesMode || values.LibraryMode() != machine.dwMode || values.bBatteryOn != machine.bBatteryOn ||
           static_cast<DWORD>(values.nLimit) != machine.dwLimit || values.bMusicOn != machine.bMusicOn;
}

// Applies as the dialog's Apply does, and says what became of it. A failure before the commit
// changed nothing: ending the library's use drops the sets it holds, and "Mode" gets back what
// it had. A failed commit may have put part of the change into effect, which only the machine
// read again can tell.
Outcome Apply(SettingsModel& model, const SettingsValues& values, const MachineState& before,
              const SettingsTexts& texts) {
    const SavedModeValue savedMode;
    std::optional<LibraryFailure> readFailure;
    if (model.Apply(values)) {
        const std::optional<MachineState> now = ReadMachineState(readFailure);
        if (!now) {
            return Failed(kExitAppliedInPart, readFailure, L"the change is applied, but reading the machine again failed");
        }
        return Reported(*now, texts, true);
    }
    const std::optional<LibraryFailure> failure = model.GetLastFailure();
    model.Finalise();
    std::optional<MachineState> now = before;
    if (failure && std::string_view(failure->szFunction) == "NWLB_Commit") {
        now = model.Initialise(nullptr) ? ReadMachineState(readFailure) : std::nullopt;
        if (!model.IsInitialised()) readFailure = model.GetLastFailure();
    }
    if (now == before) {
        savedMode.PutBack();
        return Failed(kExitLibraryCallFailed, failure, L"nothing changed");
    }
    if (!now) {
        return Failed(kExitAppliedInPart, failure,
                      L"the change may be applied in part; reading the machine again failed: " +
                          FailureText(*readFailure));
    }
    Outcome outcome = Reported(*now, texts, true);
    outcome.nExitCode = kExitAppliedInPart;
    outcome.error = CtlError{failure, L"the change is applied in part: the machine now has what is shown"};
    return outcome;
}

Outcome Run(const Request& request, const SettingsTexts& texts, const std::function<bool()>& loadLibrary) {
    if (!loadLibrary()) {
        return Failed(kExitNoLibrary, std::nullopt, L"the feature library NodwellLib.dll cannot be loaded");
    }
    const bool bChanges = request.command != Command::Status;
    // Holding the settings program's mutex while changing keeps it from starting meanwhile
    // with the old values, which its OK would write back.
    std::optional<ApplyLock> lock;
    std::optional<SingleInstance> guard;
    if (bChanges) {
        lock.emplace(kOtherCtlWaitMs);
        if (!lock->IsHeld()) {
            return Failed(kExitSettingsOpen, std::nullopt,
                          L"another NodwellCtl is still changing the settings; try again");
        }
        guard.emplace(kSettingsProgramInstance);
        if (guard->GetOutcome() != SingleInstance::Outcome::First) {
            return Failed(kExitSettingsOpen, std::nullopt, L"the settings program is open; close it and try again");
        }
    }

    SettingsModel model;
    if (!model.Initialise(nullptr)) {
        return Failed(kExitNoLibrary, model.GetLastFailure(), L"the feature library cannot be used");
    }
    const std::wstring strNothingChanged = bChanges ? L"nothing changed" : L"";
    const std::optional<bool> allowed = model.ReadChangesAllowed();
    if (!allowed) return Failed(kExitLibraryCallFailed, model.GetLastFailure(), strNothingChanged);
    if (!*allowed) {
        if (!bChanges) return Outcome{kExitDone, MachineReport{false, std::nullopt}, std::nullopt, std::nullopt};
        return Failed(kExitChangesNotAllowed, std::nullopt, L"changes are not allowed on this machine");
    }
    std::optional<LibraryFailure> failure;
    const std::optional<MachineState> machine = ReadMachineState(failure);
    if (!machine) return Failed(kExitLibraryCallFailed, failure, strNothingChanged);
    if (!bChanges) return Reported(*machine, texts);

    std::optional<SettingsValues> values;
    if (request.command == Command::Defaults) {
        const std::optional<BatteryDefaults> defaults = model.ReadDefaultBattery();
        if (!defaults) return Failed(kExitLibraryCallFailed, model.GetLastFailure(), strNothingChanged);
        values = DefaultValues(*machine, *defaults);
        model.MarkModeChanged();
    } else {
        std::wstring strError;
        values = ChangedValues(request, *machine, model, texts, strError);
        if (!values) return Failed(kExitUsage, std::nullopt, strError);
    }
    if (!WouldChange(*values, model.IsModeChanged(), *machine)) return Reported(*machine, texts, false);
    return Apply(model, *values, *machine, texts);
}

}  // namespace

int RunCtl(const std::vector<std::wstring>& arguments, const SettingsTexts& texts,
           const std::function<bool()>& loadLibrary, Output& output) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.request && parsed.request->command == Command::Help) {
        output.strOut += kUsageText;
        return kExitDone;
    }
    // Usage errors are answered before the library is loaded: they do not depend on it.
    const Outcome outcome = parsed.request ? Run(*parsed.request, texts, loadLibrary)
                                           : Failed(kExitUsage, std::nullopt, parsed.strError);
    if (AsksForJson(arguments)) {
        AnswerInJson(outcome, output);
    } else {
        AnswerInText(outcome, output);
    }
    return outcome.nExitCode;
}

}  // namespace ctl
