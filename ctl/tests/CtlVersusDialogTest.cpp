// NodwellCtl's set and defaults against the settings dialog's Apply for the same change: the
// same set calls in the same order, the same "Mode" and one notification each.
#include <functional>
#include <memory>

#include "CtlExitCode.h"
#include "CtlTestSupport.h"
#include "ScriptedDialog.h"

namespace {

using Action = std::function<void(ScriptedDialog&)>;

Action Click(int nId) {
    return [nId](ScriptedDialog& dialog) { dialog.Click(nId); };
}

Action SelectEntry(int nEntry) {
    return [nEntry](ScriptedDialog& dialog) {
        const HWND hList = dialog.Item(IDC_MODE_LIST);
        ::SendMessageW(hList, CB_SETCURSEL, static_cast<WPARAM>(nEntry), 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
    };
}

Action MoveSlider(int nLimit) {
    return [nLimit](ScriptedDialog& dialog) {
        const HWND hSlider = dialog.Item(IDC_LIMIT_SLIDER);
        ::SendMessageW(hSlider, TBM_SETPOS, TRUE, nLimit);
        dialog.SendMessage(WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(hSlider));
    };
}

class CtlVersusDialogTest : public CtlTest {
protected:
    static void SetUpTestSuite() { s_resources = std::make_unique<DialogResources>(); }
    static void TearDownTestSuite() { s_resources.reset(); }

    void RunDialog(const std::vector<Action>& actions) {
        ScriptedDialog dialog;
        dialog.SetNoInfo(true);
        dialog.script = [&actions](ScriptedDialog& d) {
            for (const Action& action : actions) action(d);
            d.Click(IDC_APPLY);
        };
        dialog.DoModal();
    }

    AcpiBatteryKey acpi{true};
    static std::unique_ptr<DialogResources> s_resources;
};
std::unique_ptr<DialogResources> CtlVersusDialogTest::s_resources;

}  // namespace

TEST_F(CtlVersusDialogTest, OptionsAloneAndCombinedApplyAsTheDialogDoes) {
    using Values = std::vector<std::pair<const wchar_t*, DWORD>>;
    const Values chargeAndMusicOn = {{L"CurrentMode", 4}, {L"MusicMode", 1}, {L"BatteryEnabled", 1}};
    struct Case {
        Values machineValues;
        std::vector<std::wstring> arguments;
        std::vector<Action> actions;
    };
    const Case cases[] = {
        {{}, {L"set", L"--charge", L"on"}, {Click(IDC_CHARGE_CHECK)}},
        {{}, {L"set", L"--mode", L"3"}, {SelectEntry(1)}},
        {{}, {L"set", L"--music", L"on"}, {Click(IDC_MUSIC_CHECK)}},
        {{}, {L"set", L"--charge", L"on", L"--mode", L"Alternate Mode", L"--battery", L"on", L"--limit", L"35"},
         {Click(IDC_CHARGE_CHECK), SelectEntry(1), Click(IDC_BATTERY_CHECK), MoveSlider(35)}},
        {chargeAndMusicOn, {L"set", L"--limit", L"2"}, {MoveSlider(2)}},
        {chargeAndMusicOn, {L"set", L"--battery", L"off"}, {Click(IDC_BATTERY_CHECK)}},
        {chargeAndMusicOn, {L"set", L"--charge", L"off", L"--music", L"off"},
         {Click(IDC_CHARGE_CHECK), Click(IDC_MUSIC_CHECK)}},
        {chargeAndMusicOn, {L"set", L"--mode", L"4"}, {SelectEntry(0)}},
        {{{L"CurrentMode", 3}, {L"BatteryLimit", 50}, {L"MusicMode", 1}, {L"DefaultBatteryEnabled", 1},
          {L"DefaultBatteryLimit", 30}},
         {L"defaults"},
         {Click(IDC_DEFAULT)}},
        {{{L"DefaultBatteryLimit", 150}}, {L"defaults"}, {Click(IDC_DEFAULT)}},
    };
    for (const Case& c : cases) {
        std::string row;
        for (const std::wstring& argument : c.arguments) row += Utf8(argument) + " ";
        struct Outcome {
            std::vector<std::string> calls;
            std::optional<DWORD> mode;
            int nNotifications;
        };
        const auto outcome = [&](const std::function<void()>& apply) {
            SimulatedMachineKey rowMachine;
            const CallLog callLog(rowMachine);
            const SettingsKeyGuard rowSettings;
            for (const auto& [szName, dwValue] : c.machineValues) rowMachine.SetDword(szName, dwValue);
            const int nBefore = receiver.Count();
            apply();
            return Outcome{UpToCommit(callLog.LinesFrom("NWLB_SetCurrentMode")), SettingsKeyGuard::Read(L"Mode"),
                           receiver.Count() - nBefore};
        };
        const Outcome byCtl = outcome([&] { EXPECT_EQ(ctl::kExitDone, Run(c.arguments)) << row; });
        const Outcome byDialog = outcome([&] { RunDialog(c.actions); });
        EXPECT_EQ(byDialog.calls, byCtl.calls) << row;
        EXPECT_EQ("NWLB_Commit -> 0", byCtl.calls.back()) << row;
        EXPECT_EQ(byDialog.mode, byCtl.mode) << row;
        EXPECT_EQ(1, byCtl.nNotifications) << row;
        EXPECT_EQ(1, byDialog.nNotifications) << row;
    }
}
