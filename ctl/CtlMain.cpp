#include "CtlMain.h"

#include <optional>

#include "CtlCommandLine.h"
#include "CtlExitCode.h"
#include "MachineReport.h"
#include "SettingsModel.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

namespace ctl {
namespace {

constexpr wchar_t kProgram[] = L"NodwellCtl: ";

int UsageError(Output& output, const std::wstring& strError) {
    output.strErr += kProgram + strError + L"\n\n" + kUsageText;
    return kExitUsage;
}

int CallFailed(Output& output, const SettingsModel& model) {
    const std::optional<LibraryFailure> failure = model.GetLastFailure();
    const std::string function = failure ? failure->szFunction : "a library call";
    output.strErr += kProgram + std::wstring(function.begin(), function.end()) + L" failed with status " +
                     std::to_wstring(failure ? failure->lStatus : 0) + L"\n";
    return kExitLibraryCallFailed;
}

std::wstring Report(const Request& request, const MachineReport& report) {
    return request.bJson ? ReportJson(report) : ReportText(report);
}

// The values as the dialog's Default button leaves the controls: both features off, the first
// mode chosen, the factory battery values as the slider holds them.
SettingsValues DefaultValues(SettingsModel& model) {
    const std::vector<ModeEntry>& modes = model.GetModes();
    SettingsValues values;
    values.nModeCode = modes.empty() ? 0 : modes.front().nCode;
    model.MarkModeChanged();
    const BatteryDefaults defaults = model.DefaultBattery();
    values.bBatteryOn = defaults.bEnabled;
    values.nLimit = defaults.nLimit;
    return values;
}

// The loaded values with what the request names changed, as if the user had changed those
// controls; nothing (and a usage error) when the request asks what the machine does not offer.
std::optional<SettingsValues> ChangedValues(const Request& request, const LoadedSettings& loaded,
                                            SettingsModel& model, const SettingsTexts& texts, Output& output) {
    const std::vector<ModeEntry>& modes = model.GetModes();
    SettingsValues values;
    values.bChargeOn = loaded.bChargeOn;
    const auto selected = static_cast<size_t>(loaded.nSelectedEntry);
    values.nModeCode = selected < modes.size() ? modes[selected].nCode : 0;
    values.bBatteryOn = loaded.bBatteryOn;
    values.nLimit = loaded.nLimit;
    values.bMusicOn = loaded.bMusicOn;

    if (request.mode) {
        const std::optional<size_t> entry = FindMode(modes, texts, *request.mode);
        if (!entry) {
            UsageError(output, L"this machine offers no mode \"" + *request.mode + L"\"");
            return std::nullopt;
        }
        values.nModeCode = modes[*entry].nCode;
        model.MarkModeChanged();
    }
    if (request.charge) {
        // The dialog would switch the feature off without a mode to run it in.
        if (*request.charge && modes.empty()) {
            UsageError(output, L"this machine offers no power-supply mode");
            return std::nullopt;
        }
        values.bChargeOn = *request.charge;
    }
    if (request.battery) values.bBatteryOn = *request.battery;
    if (request.limit) values.nLimit = *request.limit;
    if (request.music) {
        if (*request.music && !loaded.bMusicSupported) {
            UsageError(output, L"this machine has no Zazez and Music");
            return std::nullopt;
        }
        values.bMusicOn = *request.music;
    }
    return values;
}

// Applies as the dialog's Apply does. On a failure nothing stays half done: ending the
// library's use drops the sets it holds, and "Mode" gets back what it had.
bool ApplyWhole(SettingsModel& model, const SettingsValues& values) {
    const std::optional<DWORD> previousMode = SettingsStore::ReadMode();
    const bool bModePending = model.IsModeChanged();
    if (model.Apply(values)) return true;
    model.Finalise();
    // The apply clears the flag where it writes "Mode".
    if (!bModePending || model.IsModeChanged()) return false;
    if (previousMode) {
        SettingsStore::WriteMode(*previousMode);
    } else {
        SettingsStore::RemoveMode();
    }
    return false;
}

}  // namespace

int RunCtl(const std::vector<std::wstring>& arguments, const SettingsTexts& texts, Output& output) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.request) return UsageError(output, parsed.strError);
    const Request& request = *parsed.request;
    if (request.command == Command::Help) {
        output.strOut += kUsageText;
        return kExitDone;
    }

    // Holding the settings program's mutex while changing keeps it from starting meanwhile
    // with the old values, which its OK would write back.
    std::optional<SingleInstance> guard;
    if (request.command != Command::Status) {
        guard.emplace(kSettingsProgramInstance);
        if (guard->GetOutcome() != SingleInstance::Outcome::First) {
            output.strErr += std::wstring(kProgram) + L"the settings program is open; close it and try again\n";
            return kExitSettingsOpen;
        }
    }

    SettingsModel model;
    if (!model.Initialise(nullptr)) {
        CallFailed(output, model);
        output.strErr += std::wstring(kProgram) + L"the feature library cannot be used\n";
        return kExitNoLibrary;
    }
    const std::optional<bool> allowed = model.ReadChangesAllowed();
    if (!allowed) return CallFailed(output, model);
    model.ReadModeNameVersion();
    if (!*allowed) {
        if (request.command == Command::Status) {
            output.strOut += Report(request, MachineReport{false, std::nullopt});
            return kExitDone;
        }
        output.strErr += std::wstring(kProgram) + L"changes are not allowed on this machine\n";
        return kExitChangesNotAllowed;
    }
    const std::optional<LoadedSettings> loaded = model.Load();
    if (!loaded) return CallFailed(output, model);

    if (request.command != Command::Status) {
        const std::optional<SettingsValues> values = request.command == Command::Defaults
                                                         ? DefaultValues(model)
                                                         : ChangedValues(request, *loaded, model, texts, output);
        if (!values) return kExitUsage;
        if (!ApplyWhole(model, *values)) return CallFailed(output, model);
    }
    // After an apply the machine is read again: the report shows what it now has.
    const std::optional<LoadedSettings> now = request.command == Command::Status ? loaded : model.Load();
    if (!now) {
        output.strErr += std::wstring(kProgram) + L"the change is applied, but reading the machine again failed\n";
        return CallFailed(output, model);
    }
    output.strOut += Report(request, MachineReport{true, ValuesOf(*now, texts)});
    return kExitDone;
}

}  // namespace ctl
