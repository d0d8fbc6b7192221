// The settings model against the simulated feature library: what it reads, what it writes and
// in which order, told by the library's call log and committed values.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SettingsModel.h"
#include "SettingsTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

class SettingsModelTest : public ::testing::Test {
protected:
    SettingsKeyGuard settings;
    SimulatedMachineKey machine;
    CallLog log{machine};
    NotificationReceiver receiver;

    // A model prepared as the dialog prepares it: initialised, changes allowed, loaded.
    LoadedSettings Prepare(SettingsModel& model) {
        EXPECT_TRUE(model.Initialise(nullptr));
        EXPECT_EQ(std::optional<bool>(true), model.ReadChangesAllowed());
        model.ReadModeNameVersion();
        const std::optional<LoadedSettings> loaded = model.Load();
        EXPECT_TRUE(loaded.has_value());
        return loaded.value_or(LoadedSettings{});
    }
    DWORD Committed(const wchar_t* szName) { return machine.Dwords()[szName]; }
};

}  // namespace

TEST_F(SettingsModelTest, ApplySetsModeBatteryAndMusicThenCommitsAndNotifies) {
    SettingsModel model;
    Prepare(model);
    model.MarkModeChanged();
    SettingsValues values{true, 3, true, 20, true};
    EXPECT_TRUE(model.Apply(values));
    EXPECT_EQ((Lines{"NWLB_SetCurrentMode 3 -> 0", "NWLB_SetCurrentBattery 1 20 -> 0", "NWLB_SetCurrentMusicMode 1 -> 0",
                     "NWLB_Commit -> 0"}),
              log.LinesFrom("NWLB_SetCurrentMode"));
    EXPECT_EQ(3u, Committed(L"CurrentMode"));
    EXPECT_EQ(20u, Committed(L"BatteryLimit"));
    EXPECT_EQ(std::optional<DWORD>(3), SettingsKeyGuard::Read(L"Mode"));
    EXPECT_EQ(1, receiver.Count());
    EXPECT_TRUE(receiver.ParametersWereZero());
    EXPECT_TRUE(receiver.AllWerePosted());
    EXPECT_EQ(0, receiver.DecoyCount());
    EXPECT_FALSE(model.IsModeChanged());
}

TEST_F(SettingsModelTest, FailingCallStopsTheApplyWithoutNotification) {
    // "Mode" is written right after the mode is set: it shows where the apply stopped.
    struct Case {
        const wchar_t* failing;
        Lines calls;
        bool modeStored;
    };
    for (const Case& c : {Case{L"Fail_SetCurrentMode", {"NWLB_SetCurrentMode 4 -> 7"}, false},
                          Case{L"Fail_SetCurrentBattery",
                               {"NWLB_SetCurrentMode 4 -> 0", "NWLB_SetCurrentBattery 0 35 -> 7"},
                               true},
                          Case{L"Fail_SetCurrentMusicMode",
                               {"NWLB_SetCurrentMode 4 -> 0", "NWLB_SetCurrentBattery 0 35 -> 0",
                                "NWLB_SetCurrentMusicMode 0 -> 7"},
                               true},
                          Case{L"Fail_Commit",
                               {"NWLB_SetCurrentMode 4 -> 0", "NWLB_SetCurrentBattery 0 35 -> 0",
                                "NWLB_SetCurrentMusicMode 0 -> 0", "NWLB_Commit -> 7"},
                               true}}) {
        SettingsKeyGuard::Remove(L"Mode");
        log.Clear();
        machine.SetDword(L"CurrentMode", 3);
        SettingsModel model;
        Prepare(model);
        machine.SetDword(c.failing, 7);
        model.MarkModeChanged();
        EXPECT_FALSE(model.Apply(SettingsValues{true, 4, false, 35, false})) << c.failing;
        EXPECT_EQ(c.calls, log.LinesFrom("NWLB_SetCurrentMode")) << c.failing;
        EXPECT_EQ(c.modeStored, SettingsKeyGuard::Read(L"Mode").has_value()) << c.failing;
        EXPECT_EQ(3u, Committed(L"CurrentMode")) << c.failing;  // nothing committed
        EXPECT_EQ(0, receiver.Count()) << c.failing;
        machine.Delete(c.failing);
        model.Finalise();
    }
}

TEST_F(SettingsModelTest, ModeChosenWhileChargeIsOffIsStoredButNotSent) {
    SettingsModel model;
    Prepare(model);
    model.MarkModeChanged();
    EXPECT_TRUE(model.Apply(SettingsValues{false, 3, false, 10, false}));
    EXPECT_EQ("NWLB_SetCurrentMode 0 -> 0", log.LinesFrom("NWLB_SetCurrentMode").front());
    EXPECT_EQ(std::optional<DWORD>(3), SettingsKeyGuard::Read(L"Mode"));

    // Without a new choice "Mode" is left alone.
    SettingsKeyGuard::Write(L"Mode", 4);
    EXPECT_TRUE(model.Apply(SettingsValues{true, 3, false, 10, false}));
    EXPECT_EQ(std::optional<DWORD>(4), SettingsKeyGuard::Read(L"Mode"));
}

TEST_F(SettingsModelTest, LoadClampsTheLimitAndSelectsTheStoredModeWhileChargeIsOff) {
    struct Case {
        DWORD limit;
        int shown;
    };
    for (const Case& c : {Case{0, 2}, Case{1, 2}, Case{2, 2}, Case{55, 55}, Case{99, 99}, Case{100, 99},
                          Case{0xFFFFFFFF, 99}}) {
        machine.SetDword(L"BatteryLimit", c.limit);
        SettingsModel model;
        EXPECT_EQ(c.shown, Prepare(model).nLimit) << c.limit;
    }

    machine.SetDword(L"CapableModes", 0x1E);
    struct ModeCase {
        DWORD current;
        std::optional<DWORD> stored;
        bool chargeOn;
        int entry;
    };
    // Entries: Mode4 (default), Mode3, Mode2, Mode1.
    for (const ModeCase& c : {ModeCase{0, std::nullopt, false, 0}, ModeCase{0, 0, false, 0}, ModeCase{0, 7, false, 0},
                              ModeCase{0, 2, false, 2}, ModeCase{2, 3, true, 2}, ModeCase{1, std::nullopt, true, 3}}) {
        machine.SetDword(L"CurrentMode", c.current);
        if (c.stored) {
            SettingsKeyGuard::Write(L"Mode", *c.stored);
        } else {
            SettingsKeyGuard::Remove(L"Mode");
        }
        SettingsModel model;
        const LoadedSettings loaded = Prepare(model);
        EXPECT_EQ(c.chargeOn, loaded.bChargeOn) << c.current;
        EXPECT_EQ(c.entry, loaded.nSelectedEntry) << c.current << " " << c.stored.value_or(99);
    }
    // A stored mode the list does not offer selects entry 0.
    machine.SetDword(L"CapableModes", 0x18);
    machine.SetDword(L"CurrentMode", 0);
    SettingsKeyGuard::Write(L"Mode", 2);
    SettingsModel model;
    EXPECT_EQ(0, Prepare(model).nSelectedEntry);
}

TEST_F(SettingsModelTest, ModeNameVersionIsStoredAtStartEvenForAnEmptyMask) {
    struct Case {
        DWORD mask;
        DWORD version;
    };
    for (const Case& c : {Case{0x1E, 1}, Case{0x18, 2}, Case{0x30, 3}, Case{0x58, 4}, Case{0x00, 2}}) {
        SettingsKeyGuard::Remove(L"ModeNameVer");
        machine.SetDword(L"CapableModes", c.mask);
        SettingsModel model;
        ASSERT_TRUE(model.Initialise(nullptr));
        model.ReadModeNameVersion();
        EXPECT_EQ(std::optional<DWORD>(c.version), SettingsKeyGuard::Read(L"ModeNameVer")) << c.mask;
    }
    // A failing library leaves it unwritten.
    SettingsKeyGuard::Remove(L"ModeNameVer");
    machine.SetDword(L"Fail_GetCapableModes", 1);
    SettingsModel model;
    ASSERT_TRUE(model.Initialise(nullptr));
    model.ReadModeNameVersion();
    EXPECT_EQ(std::nullopt, SettingsKeyGuard::Read(L"ModeNameVer"));
}

TEST_F(SettingsModelTest, NothingIsLoadedOrAppliedUnlessTheLibraryIsUsableAndChangesAllowed) {
    machine.SetDword(L"AllowDeviceLock", 0);
    SettingsModel notAllowed;
    ASSERT_TRUE(notAllowed.Initialise(nullptr));
    EXPECT_EQ(std::optional<bool>(false), notAllowed.ReadChangesAllowed());
    EXPECT_TRUE(notAllowed.Load().has_value());
    EXPECT_FALSE(notAllowed.Apply(SettingsValues{true, 4, true, 20, true}));
    notAllowed.Finalise();

    machine.SetDword(L"Fail_InitializeDll", 3);
    SettingsModel unusable;
    EXPECT_FALSE(unusable.Initialise(nullptr));
    EXPECT_EQ(std::nullopt, unusable.ReadChangesAllowed());
    EXPECT_FALSE(unusable.Apply(SettingsValues{true, 4, true, 20, true}));
    EXPECT_EQ((Lines{"NWLB_InitializeDll -> 0", "NWLB_GetAllowDeviceLock -> 0", "NWLB_FinalizeDll -> 0",
                     "NWLB_InitializeDll -> 3"}),
              log.Lines());
    EXPECT_EQ(0, receiver.Count());
}

TEST_F(SettingsModelTest, FailedLoadIsNeverAppliedAndFinaliseEndsTheLibraryOnce) {
    for (const wchar_t* failing : {L"Fail_GetCurrentBattery", L"Fail_GetCapableModes", L"Fail_GetCurrentMode"}) {
        SettingsModel model;
        ASSERT_TRUE(model.Initialise(nullptr));
        ASSERT_TRUE(model.ReadChangesAllowed().value_or(false));
        machine.SetDword(failing, 2);
        EXPECT_FALSE(model.Load().has_value()) << failing;
        machine.Delete(failing);
        // What the dialog shows then is not the machine's: it is never applied.
        log.Clear();
        EXPECT_FALSE(model.Apply(SettingsValues{false, 0, false, 2, false})) << failing;
        EXPECT_TRUE(log.Lines().empty()) << failing;
    }
    // Failing music answers are not checked: they mean no music.
    machine.SetDword(L"Fail_IsSupportMusic", 2);
    SettingsModel model;
    EXPECT_FALSE(Prepare(model).bMusicSupported);
    log.Clear();
    model.Finalise();
    model.Finalise();
    EXPECT_EQ(Lines{"NWLB_FinalizeDll -> 0"}, log.Lines());
}

TEST_F(SettingsModelTest, DefaultBatteryComesFromTheLibraryOrIsOffAndTen) {
    machine.SetDword(L"DefaultBatteryEnabled", 1);
    machine.SetDword(L"DefaultBatteryLimit", 30);
    SettingsModel model;
    const BatteryDefaults before = model.DefaultBattery();  // not initialised: no call
    EXPECT_FALSE(before.bEnabled);
    EXPECT_EQ(10, before.nLimit);
    ASSERT_TRUE(model.Initialise(nullptr));
    EXPECT_TRUE(model.DefaultBattery().bEnabled);
    // The limit is clamped to the slider's range, as the load clamps the current one.
    const std::pair<DWORD, int> limits[] = {{30, 30}, {0, 2}, {150, 99}, {0xFFFFFFFF, 99}};
    for (const auto& [dwLibrary, nShown] : limits) {
        machine.SetDword(L"DefaultBatteryLimit", dwLibrary);
        EXPECT_EQ(nShown, model.DefaultBattery().nLimit) << dwLibrary;
    }
    machine.SetDword(L"Fail_GetDefaultBattery", 1);
    EXPECT_FALSE(model.DefaultBattery().bEnabled);
    EXPECT_EQ(10, model.DefaultBattery().nLimit);
}
