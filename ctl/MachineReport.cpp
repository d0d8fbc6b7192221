#include "MachineReport.h"

#include <cstdio>

#include "CtlCommandLine.h"
#include "CtlExitCode.h"

namespace ctl {
namespace {

constexpr wchar_t kProgram[] = L"NodwellCtl: ";
constexpr wchar_t kDialogWouldChange[] = L" (the settings dialog would change it)";

std::wstring OnOff(bool bOn) { return bOn ? L"on" : L"off"; }

std::wstring ModeText(const NamedMode& mode) {
    return std::to_wstring(mode.nCode) +
           (mode.strName.empty() ? std::wstring(L", which this machine does not offer") : L" " + mode.strName);
}

std::wstring JsonString(const std::wstring& text) {
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            quoted += L'\\';
            quoted += c;
        } else if (c < 0x20) {
            wchar_t szEscape[8] = {};
            std::swprintf(szEscape, 8, L"\\u%04x", static_cast<unsigned>(c));
            quoted += szEscape;
        } else {
            quoted += c;
        }
    }
    return quoted + L"\"";
}

std::wstring JsonBool(bool bValue) { return bValue ? L"true" : L"false"; }

std::wstring JsonMode(const NamedMode& mode) {
    return L"{\"code\": " + std::to_wstring(mode.nCode) +
           L", \"name\": " + (mode.strName.empty() ? L"null" : JsonString(mode.strName)) + L"}";
}

std::wstring JsonList(const std::vector<std::wstring>& items) {
    std::wstring list;
    for (const std::wstring& item : items) list += (list.empty() ? L"" : L", ") + item;
    return L"[" + list + L"]";
}

std::wstring DialogChangesJson(const MachineValues& values) {
    std::vector<std::wstring> keys;
    if (values.bDialogChangesMode) keys.push_back(L"\"mode\"");
    if (values.bDialogChangesLimit) keys.push_back(L"\"limit\"");
    if (values.bDialogChangesMusic) keys.push_back(L"\"music\"");
    return JsonList(keys);
}

std::wstring ReportText(const MachineReport& report) {
    std::wstring text = L"Changes allowed:       " + std::wstring(report.bChangesAllowed ? L"yes" : L"no") + L"\n";
    if (!report.values) return text;
    const MachineValues& values = *report.values;
    text += values.modes.empty() ? L"Power-supply modes:    none\n" : L"Power-supply modes:\n";
    for (const NamedMode& mode : values.modes) text += L"  " + ModeText(mode) + L"\n";
    text += L"Zazez and Charge:      " + OnOff(values.bChargeOn);
    if (values.mode) text += L", mode " + ModeText(*values.mode);
    if (values.bDialogChangesMode) text += kDialogWouldChange;
    text += L"\nOperation on battery:  " + OnOff(values.bBatteryOn) + L", lower limit " +
            std::to_wstring(values.dwLimit) + L"%";
    if (values.bDialogChangesLimit) text += kDialogWouldChange;
    text += L"\nZazez and Music:       ";
    if (values.bMusicSupported) {
        text += OnOff(values.bMusicOn);
    } else {
        text += values.bMusicOn ? L"on, though not on this machine" : L"not on this machine";
    }
    if (values.bDialogChangesMusic) text += kDialogWouldChange;
    return text + L"\n";
}

std::wstring ReportJson(const MachineReport& report) {
    std::wstring json = L"\"changesAllowed\": " + JsonBool(report.bChangesAllowed);
    const auto add = [&json](const wchar_t* szKey, const std::wstring& value) {
        json += L", \"" + std::wstring(szKey) + L"\": " + value;
    };
    const std::optional<MachineValues>& values = report.values;
    std::vector<std::wstring> modes;
    if (values) {
        for (const NamedMode& mode : values->modes) modes.push_back(JsonMode(mode));
    }
    add(L"modes", values ? JsonList(modes) : L"null");
    add(L"charge", values ? JsonBool(values->bChargeOn) : L"null");
    add(L"mode", values && values->mode ? JsonMode(*values->mode) : L"null");
    add(L"battery", values ? JsonBool(values->bBatteryOn) : L"null");
    add(L"limit", values ? std::to_wstring(values->dwLimit) : L"null");
    add(L"musicSupported", values ? JsonBool(values->bMusicSupported) : L"null");
    add(L"music", values ? JsonBool(values->bMusicOn) : L"null");
    add(L"dialogWouldChange", values ? DialogChangesJson(*values) : L"null");
    return json;
}

std::wstring FunctionName(const LibraryFailure& failure) {
    const std::string function = failure.szFunction;  // plain ASCII
    return std::wstring(function.begin(), function.end());
}

std::wstring ErrorJson(int nExitCode, const CtlError& error) {
    const std::optional<LibraryFailure>& failure = error.failure;
    const std::wstring call = failure ? JsonString(FunctionName(*failure)) : L"null";
    const std::wstring message = error.strMessage.empty() && failure ? FailureText(*failure) : error.strMessage;
    return L"\"error\": {\"exitCode\": " + std::to_wstring(nExitCode) + L", \"call\": " + call +
           L", \"status\": " + (failure ? std::to_wstring(failure->lStatus) : L"null") +
           L", \"message\": " + JsonString(message) + L"}";
}

}  // namespace

std::wstring FailureText(const LibraryFailure& failure) {
    return FunctionName(failure) + L" failed with status " + std::to_wstring(failure.lStatus);
}

MachineValues ValuesOf(const MachineState& machine, const SettingsTexts& texts) {
    MachineValues values;
    values.modes = NameModes(machine.Modes(), texts);
    values.bChargeOn = machine.dwMode != 0;
    if (const int nCode = machine.ModeCode(); nCode != 0) {
        values.mode = NamedMode{nCode, {}};
        for (const NamedMode& mode : values.modes) {
            if (mode.nCode == nCode) values.mode = mode;
        }
    }
    values.bBatteryOn = machine.bBatteryOn;
    values.dwLimit = machine.dwLimit;
    values.bMusicSupported = machine.bMusicSupported;
    values.bMusicOn = machine.bMusicOn;
    values.bDialogChangesMode = machine.IsModeOffList();
    values.bDialogChangesLimit = machine.IsLimitOutOfRange();
    values.bDialogChangesMusic = machine.IsMusicOnWithoutMusic();
    return values;
}

void AnswerInText(const Outcome& outcome, Output& output) {
    // After a failure the error says how much was applied.
    if (outcome.changed && !outcome.error) {
        output.strOut += *outcome.changed ? L"Applied.\n" : L"Unchanged: the machine has these values already.\n";
    }
    if (outcome.report) output.strOut += ReportText(*outcome.report);
    if (!outcome.error) return;
    const CtlError& error = *outcome.error;
    if (error.failure) output.strErr += kProgram + FailureText(*error.failure) + L"\n";
    if (!error.strMessage.empty()) output.strErr += kProgram + error.strMessage + L"\n";
    if (outcome.nExitCode == kExitUsage) output.strErr += std::wstring(L"\n") + kUsageText;
}

void AnswerInJson(const Outcome& outcome, Output& output) {
    std::vector<std::wstring> members;
    if (outcome.report) members.push_back(ReportJson(*outcome.report));
    if (outcome.changed) members.push_back(L"\"changed\": " + JsonBool(*outcome.changed));
    if (outcome.error) members.push_back(ErrorJson(outcome.nExitCode, *outcome.error));
    std::wstring json;
    for (const std::wstring& member : members) json += (json.empty() ? L"" : L", ") + member;
    output.strOut += L"{" + json + L"}\n";
}

}  // namespace ctl
