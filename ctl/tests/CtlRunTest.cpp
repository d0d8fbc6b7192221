// NodwellCtl's whole run in this process against the simulated feature library: exit codes,
// failures at each call, the report for people and for scripts, and the mode names.
#include <chrono>
#include <future>
#include <map>
#include <thread>

#include "ApplyLock.h"
#include "CtlExitCode.h"
#include "CtlCommandLine.h"
#include "CtlTestSupport.h"
#include "FlatJson.h"
#include "NodwellSettingsKey.h"
#include "SingleInstance.h"

namespace {

using Leaves = std::map<std::string, std::string>;

std::string Narrow(const std::vector<std::wstring>& arguments) {
    std::string text;
    for (const std::wstring& argument : arguments) text += Utf8(argument) + " ";
    return text;
}

}  // namespace

TEST_F(CtlTest, EveryFailureHasItsExitCodeAndSaysWhatChanged) {
    const std::vector<std::wstring> change = {L"set", L"--charge", L"on", L"--mode", L"3", L"--battery", L"on",
                                              L"--limit", L"40", L"--music", L"on"};
    const std::wstring nothingChanged = L"NodwellCtl: nothing changed\n";
    struct Case {
        std::vector<std::pair<const wchar_t*, DWORD>> machineValues;
        std::vector<std::wstring> arguments;
        int exitCode;
        std::wstring error;
    };
    const Case cases[] = {
        {{}, {L"frobnicate"}, ctl::kExitUsage, L"NodwellCtl: unknown command frobnicate\n\n"},
        {{}, {L"set", L"--mode", L"6"}, ctl::kExitUsage, L"NodwellCtl: this machine offers no mode \"6\"\n\n"},
        {{{L"CapableModes", 0}, {L"CurrentMode", 0}}, {L"set", L"--charge", L"on"}, ctl::kExitUsage,
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
         L"NodwellCtl: NWLB_GetAllowDeviceLock failed with status 9\n" + nothingChanged},
        // Every read counts, also those the settings dialog takes as their fallbacks.
        {{{L"Fail_GetCurrentBattery", 9}}, {L"status"}, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCurrentBattery failed with status 9\n"},
        {{{L"Fail_GetCurrentMusicMode", 9}}, {L"status"}, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCurrentMusicMode failed with status 9\n"},
        {{{L"Fail_GetCapableModes", 9}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCapableModes failed with status 9\n" + nothingChanged},
        {{{L"Fail_GetCurrentMode", 9}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetCurrentMode failed with status 9\n" + nothingChanged},
        {{{L"Fail_IsSupportMusic", 9}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_IsSupportMusic failed with status 9\n" + nothingChanged},
        {{{L"MusicMode", 1}, {L"Fail_GetCurrentMusicMode", 9}}, {L"set", L"--limit", L"20"},
         ctl::kExitLibraryCallFailed, L"NodwellCtl: NWLB_GetCurrentMusicMode failed with status 9\n" + nothingChanged},
        {{{L"Fail_GetDefaultBattery", 9}}, {L"defaults"}, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_GetDefaultBattery failed with status 9\n" + nothingChanged},
        {{{L"Fail_SetCurrentMode", 31}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_SetCurrentMode failed with status 31\n" + nothingChanged},
        {{{L"Fail_SetCurrentBattery", 87}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_SetCurrentBattery failed with status 87\n" + nothingChanged},
        {{{L"Fail_SetCurrentMusicMode", 2}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_SetCurrentMusicMode failed with status 2\n" + nothingChanged},
        {{{L"Fail_Commit", 5}}, change, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_Commit failed with status 5\n" + nothingChanged},
        {{{L"Fail_Commit", 5}}, {L"defaults"}, ctl::kExitLibraryCallFailed,
         L"NodwellCtl: NWLB_Commit failed with status 5\n" + nothingChanged},
        // The commit put the mode into effect before it failed.
        {{{L"CommitPartly", 5}}, change, ctl::kExitAppliedInPart,
         L"NodwellCtl: NWLB_Commit failed with status 5\n"
         L"NodwellCtl: the change is applied in part: the machine now has what is shown\n"},
    };
    for (const Case& c : cases) {
        for (const bool bJson : {false, true}) {
            std::vector<std::wstring> arguments = c.arguments;
            if (bJson) arguments.push_back(L"--json");
            const std::string row = Narrow(arguments);
            SimulatedMachineKey rowMachine;
            const CallLog callLog(rowMachine);
            rowMachine.SetDword(L"CurrentMode", 4);
            for (const auto& [szName, dwValue] : c.machineValues) rowMachine.SetDword(szName, dwValue);
            SettingsKeyGuard::Write(L"Mode", 4);
            std::map<std::wstring, DWORD> expected = rowMachine.Dwords();
            std::optional<DWORD> expectedMode = 4;
            if (c.exitCode == ctl::kExitAppliedInPart) {
                expected[L"CurrentMode"] = 3;
                expectedMode = 3;
            }

            EXPECT_EQ(c.exitCode, Run(arguments)) << row;
            if (bJson) {
                // One object on standard output, whatever the outcome.
                EXPECT_EQ(L"", output.strErr) << row;
                const auto json = ReadFlatJson(Utf8(output.strOut));
                ASSERT_TRUE(json) << row;
                EXPECT_EQ(std::to_string(c.exitCode), json->at("error.exitCode")) << row;
                // The call the text names first, or none.
                const size_t first = std::wstring(L"NodwellCtl: ").size();
                const std::wstring call = c.error.substr(first, c.error.find(L' ', first) - first);
                const std::string expectedCall = call.rfind(L"NWLB_", 0) == 0 ? "\"" + Utf8(call) + "\"" : "null";
                EXPECT_EQ(expectedCall, json->at("error.call")) << row;
                EXPECT_NE("\"\"", json->at("error.message")) << row;
            } else {
                const std::wstring expectedError = c.exitCode == ctl::kExitUsage ? c.error + ctl::kUsageText : c.error;
                EXPECT_EQ(Utf8(expectedError), Utf8(output.strErr)) << row;
                // What the machine has is shown only where it changed.
                EXPECT_EQ(c.exitCode == ctl::kExitAppliedInPart, !output.strOut.empty()) << row;
            }
            EXPECT_EQ(expected, rowMachine.Dwords()) << row;
            EXPECT_EQ(expectedMode, SettingsKeyGuard::Read(L"Mode")) << row;
            EXPECT_EQ(0, receiver.Count()) << row;
            // Ending the library's use is what drops the sets it holds.
            const std::vector<std::string> calls = callLog.Lines();
            if (c.exitCode >= ctl::kExitLibraryCallFailed) {
                ASSERT_FALSE(calls.empty());
                EXPECT_EQ("NWLB_FinalizeDll -> 0", calls.back()) << row;
            }
        }
    }

    // "Mode" as another program stored it survives a change that is not applied, type and all.
    const std::wstring text = L"3";
    const auto cbText = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, L"Mode", REG_SZ,
                                             text.c_str(), cbText));
    machine.SetDword(L"Fail_Commit", 5);
    EXPECT_EQ(ctl::kExitLibraryCallFailed, Run({L"set", L"--mode", L"4"}));
    wchar_t szStored[8] = {};
    DWORD cbStored = sizeof(szStored);
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, L"Mode",
                                          RRF_RT_REG_SZ, nullptr, szStored, &cbStored));
    EXPECT_EQ(text, szStored);
}

TEST_F(CtlTest, RefusesToChangeWhileTheSettingsProgramRunsButWaitsForAnotherCtl) {
    HANDLE hSettingsProgram = ::CreateMutexW(nullptr, FALSE, kSettingsProgramInstance.szMutex);
    ASSERT_NE(nullptr, hSettingsProgram);
    EXPECT_EQ(ctl::kExitSettingsOpen, Run({L"set", L"--charge", L"on"}));
    EXPECT_EQ(ctl::kExitSettingsOpen, Run({L"defaults"}));
    EXPECT_EQ(L"NodwellCtl: the settings program is open; close it and try again\n", output.strErr);
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(ctl::kExitDone, Run({L"status"}));
    ::CloseHandle(hSettingsProgram);
    EXPECT_EQ(ctl::kExitDone, Run({L"set", L"--charge", L"on"}));

    // Another NodwellCtl in the middle of its apply holds both mutexes, on a thread of its own
    // as a mutex belongs to a thread; this one waits until it lets go, then applies.
    HANDLE hHeld = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hLetGo = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread otherCtl([&] {
        HANDLE hLock = ::CreateMutexW(nullptr, TRUE, ctl::kApplyLockMutex);
        HANDLE hSettings = ::CreateMutexW(nullptr, FALSE, kSettingsProgramInstance.szMutex);
        ::SetEvent(hHeld);
        ::WaitForSingleObject(hLetGo, INFINITE);
        ::CloseHandle(hSettings);
        ::ReleaseMutex(hLock);
        ::CloseHandle(hLock);
    });
    ::WaitForSingleObject(hHeld, INFINITE);
    auto secondCtl = std::async(std::launch::async, [&] { return Run({L"set", L"--charge", L"off"}); });
    // Still waiting after a while that a refusal would not have needed.
    EXPECT_EQ(std::future_status::timeout, secondCtl.wait_for(std::chrono::milliseconds(500)));
    ::SetEvent(hLetGo);
    otherCtl.join();
    EXPECT_EQ(ctl::kExitDone, secondCtl.get()) << Utf8(output.strErr);
    EXPECT_EQ(0u, machine.Dwords()[L"CurrentMode"]);
    ::CloseHandle(hHeld);
    ::CloseHandle(hLetGo);
}

TEST_F(CtlTest, ReportsTheMachineAsItIsAndKeepsWhatASetDoesNotName) {
    // Values the settings dialog cannot show: a mode the machine does not offer, a limit above
    // 99, music on where there is none.
    machine.SetDword(L"CurrentMode", 2);
    machine.SetDword(L"BatteryEnabled", 1);
    machine.SetDword(L"BatteryLimit", 150);
    machine.SetDword(L"SupportMusic", 0);
    machine.SetDword(L"MusicMode", 1);
    SettingsKeyGuard::Write(L"Mode", 3);
    const RegistryValues registryBefore = CorvaneRegistryValues();

    ASSERT_EQ(ctl::kExitDone, Run({L"status"}));
    EXPECT_EQ(L"Changes allowed:       yes\n"
              L"Power-supply modes:\n"
              L"  4 Typical Mode (default)\n"
              L"  3 Alternate Mode\n"
              L"Zazez and Charge:      on, mode 2, which this machine does not offer"
              L" (the settings dialog would change it)\n"
              L"Operation on battery:  on, lower limit 150% (the settings dialog would change it)\n"
              L"Zazez and Music:       on, though not on this machine (the settings dialog would change it)\n",
              output.strOut);

    const Leaves status = {{"changesAllowed", "true"},
                           {"modes[0].code", "4"},
                           {"modes[0].name", "\"Typical Mode (default)\""},
                           {"modes[1].code", "3"},
                           {"modes[1].name", "\"Alternate Mode\""},
                           {"charge", "true"},
                           {"mode.code", "2"},
                           {"mode.name", "null"},
                           {"battery", "true"},
                           {"limit", "150"},
                           {"musicSupported", "false"},
                           {"music", "true"},
                           {"dialogWouldChange[0]", "\"mode\""},
                           {"dialogWouldChange[1]", "\"limit\""},
                           {"dialogWouldChange[2]", "\"music\""}};
    ASSERT_EQ(ctl::kExitDone, Run({L"status", L"--json"}));
    EXPECT_EQ(status, ReadFlatJson(Utf8(output.strOut)));
    // status only reads: not even "ModeNameVer".
    EXPECT_EQ(registryBefore, CorvaneRegistryValues());
    EXPECT_EQ(std::vector<std::string>{}, log.LinesFrom("NWLB_Set"));

    // A set keeps what it does not name as the machine has it, and reports the machine read again.
    ASSERT_EQ(ctl::kExitDone, Run({L"set", L"--battery", L"off", L"--json"}));
    Leaves afterSet = status;
    afterSet["battery"] = "false";
    afterSet["changed"] = "true";
    EXPECT_EQ(afterSet, ReadFlatJson(Utf8(output.strOut)));
    EXPECT_EQ((std::vector<std::string>{"NWLB_SetCurrentMode 2 -> 0", "NWLB_SetCurrentBattery 0 150 -> 0",
                                        "NWLB_SetCurrentMusicMode 1 -> 0", "NWLB_Commit -> 0"}),
              UpToCommit(log.LinesFrom("NWLB_SetCurrentMode")));
    EXPECT_EQ(1, receiver.Count());

    // The same set again changes nothing: nothing applied, nobody notified.
    log.Clear();
    ASSERT_EQ(ctl::kExitDone, Run({L"set", L"--battery", L"off", L"--json"}));
    afterSet["changed"] = "false";
    EXPECT_EQ(afterSet, ReadFlatJson(Utf8(output.strOut)));
    EXPECT_EQ(std::vector<std::string>{}, log.LinesFrom("NWLB_Set"));
    EXPECT_EQ(1, receiver.Count());
    ASSERT_EQ(ctl::kExitDone, Run({L"set", L"--battery", L"off"}));
    EXPECT_EQ(0u, output.strOut.rfind(L"Unchanged", 0));

    // Switched on, Zazez and Charge runs in the remembered mode, as the dialog would have it.
    machine.SetDword(L"CurrentMode", 0);
    ASSERT_EQ(ctl::kExitDone, Run({L"set", L"--charge", L"on"}));
    EXPECT_EQ(3u, machine.Dwords()[L"CurrentMode"]);

    machine.SetDword(L"AllowDeviceLock", 0);
    ASSERT_EQ(ctl::kExitDone, Run({L"status", L"--json"}));
    Leaves notAllowed;
    for (const char* szKey :
         {"modes", "charge", "mode", "battery", "limit", "musicSupported", "music", "dialogWouldChange"}) {
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
        machine.SetDword(L"CurrentMode", 0);
        EXPECT_EQ(ctl::kExitDone, Run({L"set", L"--charge", L"on", L"--mode", c.mode}, c.wLanguage)) << Utf8(c.mode);
        const std::vector<std::string> sent = log.LinesFrom("NWLB_SetCurrentMode");
        ASSERT_FALSE(sent.empty()) << Utf8(c.mode);
        EXPECT_EQ(c.sent, sent.front()) << Utf8(c.mode);
    }
    EXPECT_EQ(ctl::kExitUsage, Run({L"set", L"--mode", L"2,0-A-Modus"}, 0));
}
