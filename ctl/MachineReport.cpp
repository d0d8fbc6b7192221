#include "MachineReport.h"

#include <cstdio>

namespace ctl {
namespace {

std::wstring OnOff(bool bOn) { return bOn ? L"on" : L"off"; }

std::wstring ModeText(const NamedMode& mode) { return std::to_wstring(mode.nCode) + L" " + mode.strName; }

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
    return L"{\"code\": " + std::to_wstring(mode.nCode) + L", \"name\": " + JsonString(mode.strName) + L"}";
}

}  // namespace

MachineValues ValuesOf(const LoadedSettings& loaded, const SettingsTexts& texts) {
    MachineValues values;
    values.modes = NameModes(loaded.modes, texts);
    values.bChargeOn = loaded.bChargeOn;
    if (static_cast<size_t>(loaded.nSelectedEntry) < values.modes.size()) {
        values.mode = values.modes[static_cast<size_t>(loaded.nSelectedEntry)];
    }
    values.bBatteryOn = loaded.bBatteryOn;
    values.nLimit = loaded.nLimit;
    values.bMusicSupported = loaded.bMusicSupported;
    values.bMusicOn = loaded.bMusicOn;
    return values;
}

std::wstring ReportText(const MachineReport& report) {
    std::wstring text = L"Changes allowed:       " + std::wstring(report.bChangesAllowed ? L"yes" : L"no") + L"\n";
    if (!report.values) return text;
    const MachineValues& values = *report.values;
    std::wstring modes;
    for (const NamedMode& mode : values.modes) modes += (modes.empty() ? L"" : L", ") + ModeText(mode);
    text += L"Power-supply modes:    " + (modes.empty() ? L"none" : modes) + L"\n";
    text += L"Zazez and Charge:      " + OnOff(values.bChargeOn);
    if (values.mode) text += L", mode " + ModeText(*values.mode);
    text += L"\n";
    text += L"Operation on battery:  " + OnOff(values.bBatteryOn) + L", lower limit " +
            std::to_wstring(values.nLimit) + L"%\n";
    text += L"Zazez and Music:       " +
            (values.bMusicSupported ? OnOff(values.bMusicOn) : std::wstring(L"not on this machine")) + L"\n";
    return text;
}

std::wstring ReportJson(const MachineReport& report) {
    std::wstring json = L"{\"changesAllowed\": " + JsonBool(report.bChangesAllowed);
    const auto add = [&json](const wchar_t* szKey, const std::wstring& value) {
        json += L", \"" + std::wstring(szKey) + L"\": " + value;
    };
    const std::optional<MachineValues>& values = report.values;
    std::wstring modes = L"null";
    if (values) {
        modes = L"[";
        for (const NamedMode& mode : values->modes) modes += (modes.size() > 1 ? L", " : L"") + JsonMode(mode);
        modes += L"]";
    }
    add(L"modes", modes);
    add(L"charge", values ? JsonBool(values->bChargeOn) : L"null");
    add(L"mode", values && values->mode ? JsonMode(*values->mode) : L"null");
    add(L"battery", values ? JsonBool(values->bBatteryOn) : L"null");
    add(L"limit", values ? std::to_wstring(values->nLimit) : L"null");
    add(L"musicSupported", values ? JsonBool(values->bMusicSupported) : L"null");
    add(L"music", values ? JsonBool(values->bMusicOn) : L"null");
    return json + L"}\n";
}

}  // namespace ctl
