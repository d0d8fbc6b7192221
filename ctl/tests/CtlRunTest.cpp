// NodwellCtl's whole run in this process against the simulated feature library: exit codes,
// failures at each call, the report for people and for scripts, and the mode names.
#include <map>

#include "CtlExitCode.h"
#include "CtlCommandLine.h"
#include "CtlTestSupport.h"
#include "FlatJson.h"
#include "SingleInstance.h"

namespace {

using Leaves = std::map<std::string, std::string>;

std::string Narrow(const std::vector<std::wstring>& arguments) {
    std::string text;
    for (const std::wstring& argument : arguments) text += Utf8(argument) + " ";
    return text;
}

}  // namespace

TEST_F(CtlTest, EveryFailureHasItsExitCodeAndLeavesTheMachineAsItWas) {
    const std::vector<std::wstring> change = {L"set", L"--charge", L"on", L"--mode", L"3", L"--battery", L"on",
                                              L"--limit", L"40", L"--music", L"on"};
    struct Case {
        std::vector<std::pair<const wchar_t*, DWORD>> machineValues;
        std::vector<std::wstring> arguments;
        int exitCode;
        std::wstring error;
    };
    const Case cases[] = {
        {{}, {L"frobnicate"}, ctl::kExitUsage, L"NodwellCtl: unknown command frobnicate\n\n"},
        {{}, {L"set", L"--mode", L"6"}, ctl::kExitUsage, L"NodwellCtl: this machine offers no mode \"6\"\n\n"},
        {{{L"CapableModes", 0}}, {L"set", L"--charge", L"on"}, ctl::kExitUsage,
         L"NodwellCtl: this machine offers no power-supply mode\n\n"},
        {{{L"SupportMusic", 0}}, {L"set", L"--music", L"on"}, ctl::kExitUsage,
         L"NodwellCtl: this machine has no Zazez and Music\n\n"},
        {{{L"Fail_InitializeDll", 7}}, {L"status"}, ctl::kExitNoLibrary,
         L"NodwellCtl: NWLB_InitializeDll failed with status 7\nNodwellCtl: the feature library cannot be used\n"},
        {{{L"AllowDeviceLock", 0}}, change, ctl::kExitChangesNotAllowed,
         L"NodwellCtl: changes are not allowed on this machine\n"},
        {{{L"AllowDeviceLock", 0}}, {L"defaults"}, ctl::kExitChangesNotAllowed,
         L"NodwellCtl: changes are not allowed on this machine\n"},
        {{{L"Fail_GetAllowDeviceLock", 9}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetAllowDeviceLock failed with status 9\n"},
        {{{L"Fail_GetCurrentBattery", 9}}, {L"status"}, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCurrentBattery failed with status 9\n"},
        {{{L"Fail_GetCapableModes", 9}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCapableModes failed with status 9\n"},
        {{{L"Fail_GetCurrentMode", 9}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCurrentMode failed with status 9\n"},
        {{{L"Fail_SetCurrentMode", 31}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_SetCurrentMode failed with status 31\n"},
        {{{L"Fail_SetCurrentBattery", 87}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_SetCurrentBattery failed with status 87\n"},
        {{{L"Fail_SetCurrentMusicMode", 2}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_SetCurrentMusicMode failed with status 2\n"},
        {{{L"Fail_Commit", 5}}, change, ctl::kExitLibraryCallFailed, L"NodwellCtl: NWLB_Commit failed with status 5\n"},
        {{{L"Fail_Commit", 5}}, {L"defaults"}, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_Commit failed with status 5\n"},
    };
    for (const Case& c : cases) {
        SimulatedMachineKey rowMachine;
        const CallLog callLog(rowMachine);
        for (const auto& [szName, dwValue] : c.machineValues) rowMachine.SetDword(szName, dwValue);
        rowMachine.SetDword(L"CurrentMode", 4);
        SettingsKeyGuard::Write(L"Mode", 4);
        const std::map<std::wstring, DWORD> before = rowMachine.Dwords();

        EXPECT_EQ(c.exitCode, Run(c.arguments)) << Narrow(c.arguments);
        EXPECT_EQ(L"", output.strOut) << Narrow(c.arguments);
        const std::wstring expectedError = c.exitCode == ctl::kExitUsage ? c.error + ctl::kUsageText : c.error;
        EXPECT_EQ(Utf8(expectedError), Utf8(output.strErr)) << Narrow(c.arguments);
        EXPECT_EQ(before, rowMachine.Dwords()) << Narrow(c.arguments);
        EXPECT_EQ(std::optional<DWORD>(4), SettingsKeyGuard::Read(L"Mode")) << Narrow(c.arguments);
        EXPECT_EQ(0, receiver.Count()) << Narrow(c.arguments);
        // Ending the library's use is what drops the sets it holds.
        const std::vector<std::string> calls = callLog.Lines();
        if (c.exitCode == ctl::kExitLibraryCallFailed) {
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ("NWLB_FinalizeDll -> 0", calls.back()) << Narrow(c.arguments);
        }
    }
}

TEST_F(CtlTest, RefusesToChangeWhileTheSettingsProgramRunsButStillReports) {
    HANDLE hSettingsProgram = ::CreateMutexW(nullptr, FALSE, kSettingsProgramInstance.szMutex);
    ASSERT_NE(nullptr, hSettingsProgram);
    EXPECT_EQ(ctl::kExitSettingsOpen, Run({L"set", L"--charge", L"on"}));
    EXPECT_EQ(ctl::kExitSettingsOpen, Run({L"defaults"}));
    EXPECT_EQ(L"NodwellCtl: the settings program is open; close it and try again\n", output.strErr);
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(ctl::kExitDone, Run({L"status"}));
    ::CloseHandle(hSettingsProgram);
    EXPECT_EQ(ctl::kExitDone, Run({L"set", L"--charge", L"on"}));
}

TEST_F(CtlTest, ReportsForPeopleAndForScripts) {
    machine.SetDword(L"BatteryEnabled", 1);
    machine.SetDword(L"BatteryLimit", 150);
    machine.SetDword(L"MusicMode", 1);
    SettingsKeyGuard::Write(L"Mode", 3);

    ASSERT_EQ(ctl::kExitDone, Run({L"status"}));
    EXPECT_EQ(L"Changes allowed:       yes\n"
              L"Power-supply modes:    4 Typical Mode (default), 3 Alternate Mode\n"
              L"Zazez and Charge:      off, mode 3 Alternate Mode\n"
              L"Operation on battery:  on, lower limit 99%\n"
              L"Zazez and Music:       on\n",
              output.strOut);

    const Leaves status = {{"changesAllowed", "true"},          {"modes[0].code", "4"},
                           {"modes[0].name", "\"Typical Mode (default)\""}, {"modes[1].code", "3"},
                           {"modes[1].name", "\"Alternate Mode\""},         {"charge", "false"},
                           {"mode.code", "3"},                      {"mode.name", "\"Alternate Mode\""},
                           {"battery", "true"},                     {"limit", "99"},
                           {"musicSupported", "true"},              {"music", "true"}};
    ASSERT_EQ(ctl::kExitDone, Run({L"status", L"--json"}));
    EXPECT_EQ(status, ReadFlatJson(Utf8(output.strOut)));

    // set reports what the machine has after the apply, read again from the library.
    ASSERT_EQ(ctl::kExitDone, Run({L"set", L"--charge", L"on", L"--limit", L"20", L"--json"}));
    Leaves afterSet = status;
    afterSet["charge"] = "true";
    afterSet["limit"] = "20";
    EXPECT_EQ(afterSet, ReadFlatJson(Utf8(output.strOut)));
    EXPECT_EQ(3u, machine.Dwords()[L"CurrentMode"]);
    EXPECT_EQ(1, receiver.Count());

    machine.SetDword(L"AllowDeviceLock", 0);
    ASSERT_EQ(ctl::kExitDone, Run({L"status", L"--json"}));
    Leaves notAllowed;
    for (const char* szKey : {"modes", "charge", "mode", "battery", "limit", "musicSupported", "music"}) {
        notAllowed[szKey] = "null";
    }
    notAllowed["changesAllowed"] = "false";
    EXPECT_EQ(notAllowed, ReadFlatJson(Utf8(output.strOut)));
    ASSERT_EQ(ctl::kExitDone, Run({L"status"}));
    EXPECT_EQ(L"Changes allowed:       no\n", output.strOut);
}

TEST_F(CtlTest, ModesAreNamedAndChosenInTheSettingsProgramsLanguage) {
    machine.SetDword(L"CapableModes", 0x58);
    ASSERT_EQ(ctl::kExitDone, Run({L"status", L"--json"}, LANG_GERMAN));
    const auto report = ReadFlatJson(Utf8(output.strOut));
    ASSERT_TRUE(report);
    EXPECT_EQ("\"Automatischer Modus (Standard)\"", report->at("modes[0].name"));
    EXPECT_EQ("\"2,0-A-Modus\"", report->at("modes[1].name"));

    struct Case {
        const wchar_t* mode;
        WORD wLanguage;
        const char* sent;
    };
    for (const Case& c : {Case{L"2,0-a-MODUS", LANG_GERMAN, "NWLB_SetCurrentMode 6 -> 0"},
                          Case{L"Auto Mode(Default)", LANG_GERMAN, "NWLB_SetCurrentMode 5 -> 0"},
                          Case{L"6", LANG_GERMAN, "NWLB_SetCurrentMode 6 -> 0"},
                          Case{L"2.0a mode", 0, "NWLB_SetCurrentMode 6 -> 0"}}) {
        log.Clear();
        EXPECT_EQ(ctl::kExitDone, Run({L"set", L"--charge", L"on", L"--mode", c.mode}, c.wLanguage)) << Utf8(c.mode);
        EXPECT_EQ(c.sent, log.LinesFrom("NWLB_SetCurrentMode").front()) << Utf8(c.mode);
    }
    EXPECT_EQ(ctl::kExitUsage, Run({L"set", L"--mode", L"2,0-A-Modus"}, 0));
}
