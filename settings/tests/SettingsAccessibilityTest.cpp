// What a screen reader reads from the settings dialog in each layout, the gauge's value as the
// battery level changes, and the dialog walked with the keyboard alone.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

#include "AccessibleReading.h"
#include "ScriptedDialog.h"
#include "SettingsTestSupport.h"

namespace {

using namespace states;
constexpr LONG Hidden = I | U;  // hidden controls are disabled too

// The battery as the power broadcasts report it, changed by the test while the dialog is open.
class SimulatedBattery : public PowerStatusSource {
public:
    bool Read(SYSTEM_POWER_STATUS& status) const override {
        status.BatteryFlag = bFlag;
        status.BatteryLifePercent = bPercent;
        return true;
    }
    BYTE bFlag = 1;
    BYTE bPercent = 60;
};

enum class Layout { WithMusic, WithoutMusic, BatteryLess };

class SettingsAccessibility : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_resources = std::make_unique<DialogResources>(); }
    static void TearDownTestSuite() { s_resources.reset(); }

    // Both features and operation on battery on, limit 20, so that every control is usable.
    void RunIn(Layout layout, const std::function<void(ScriptedDialog&)>& script) {
        machine.SetDword(L"CurrentMode", 4);
        machine.SetDword(L"BatteryEnabled", 1);
        machine.SetDword(L"BatteryLimit", 20);
        machine.SetDword(L"MusicMode", 1);
        machine.SetDword(L"SupportMusic", layout == Layout::WithoutMusic ? 0 : 1);
        AcpiBatteryKey acpi(layout != Layout::BatteryLess);
        ScriptedDialog dialog;
        dialog.SetNoInfo(true);
        dialog.SetPowerStatusSource(battery);
        dialog.script = script;
        dialog.DoModal();
    }

    SettingsKeyGuard settings;
    SimulatedMachineKey machine;
    SimulatedBattery battery;
    static std::unique_ptr<DialogResources> s_resources;
};
std::unique_ptr<DialogResources> SettingsAccessibility::s_resources;

// Records the footer buttons' clicks and keeps them from acting (Help would start a program).
LRESULT CALLBACK RecordFooterClicks(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwRefData) {
    const int nId = LOWORD(wParam);
    if (uMsg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && nId >= IDC_DEFAULT && nId <= IDC_APPLY) {
        reinterpret_cast<std::vector<int>*>(dwRefData)->push_back(nId);
        return 0;
    }
    return ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

int g_nGaugeValueEvents = 0;
void CALLBACK CountGaugeValueEvents(HWINEVENTHOOK, DWORD, HWND hWnd, LONG idObject, LONG, DWORD, DWORD) {
    if (::GetDlgCtrlID(hWnd) == IDC_GAUGE && idObject == OBJID_CLIENT) ++g_nGaugeValueEvents;
}

}  // namespace

TEST_F(SettingsAccessibility, EveryControlSaysWhatItShowsInEachLayout) {
    const std::vector<AccessibleRow> common = {
        {IDC_CHARGE_CHECK, L"Enable Zazez and Charge", ROLE_SYSTEM_CHECKBUTTON, Fd | C, std::nullopt},
        {IDC_MODE_LIST, L"Power supply mode", ROLE_SYSTEM_COMBOBOX, F, L"Typical Mode (default)"},
        {IDC_DEFAULT, L"Default(D)", ROLE_SYSTEM_PUSHBUTTON, F, std::nullopt},
        {IDC_HELP_BUTTON, L"Help(H)", ROLE_SYSTEM_PUSHBUTTON, F, std::nullopt},
        {IDC_OK, L"OK", ROLE_SYSTEM_PUSHBUTTON, F | STATE_SYSTEM_DEFAULT, std::nullopt},
        {IDC_CANCEL, L"Cancel", ROLE_SYSTEM_PUSHBUTTON, F, std::nullopt},
        {IDC_APPLY, L"Apply(A)", ROLE_SYSTEM_PUSHBUTTON, U, std::nullopt},
        {IDC_FOOTER_FILLER, L"", ROLE_SYSTEM_GRAPHIC, Decoration | U, std::nullopt},
        {IDC_HEADER_PICTURE, L"", ROLE_SYSTEM_GRAPHIC, Decoration, std::nullopt},
        {IDC_CHARGE_PICTURE, L"", ROLE_SYSTEM_GRAPHIC, Decoration, std::nullopt},
    };
    const AccessibleRow battery{IDC_BATTERY_CHECK, L"Enable under Battery Mode", ROLE_SYSTEM_CHECKBUTTON, F | C,
                                std::nullopt};
    const AccessibleRow slider{IDC_LIMIT_SLIDER, L"Lower limit of remaining battery life", ROLE_SYSTEM_SLIDER, F,
                               L"20%"};
    const AccessibleRow gauge{IDC_GAUGE, L"Current status of remaining battery life", ROLE_SYSTEM_PROGRESSBAR, R,
                              L"60%"};
    const AccessibleRow music{IDC_MUSIC_CHECK, L"Enable Zazez and Music", ROLE_SYSTEM_CHECKBUTTON, F | C, std::nullopt};
    const AccessibleRow musicPicture{IDC_MUSIC_PICTURE, L"", ROLE_SYSTEM_GRAPHIC, Decoration, std::nullopt};
    const struct {
        Layout layout;
        std::vector<AccessibleRow> rows;
    } tables[] = {
        {Layout::WithMusic, {battery, slider, gauge, music, musicPicture}},
        {Layout::WithoutMusic,
         {battery,
          slider,
          gauge,
          {IDC_MUSIC_CHECK, L"Enable Zazez and Music", ROLE_SYSTEM_CHECKBUTTON, Hidden, {}},
          {IDC_MUSIC_PICTURE, L"", ROLE_SYSTEM_GRAPHIC, Decoration | U, {}}}},
        {Layout::BatteryLess,
         {{IDC_BATTERY_CHECK, L"Enable under Battery Mode", ROLE_SYSTEM_CHECKBUTTON, Hidden | C, {}},
          {IDC_LIMIT_SLIDER, L"Lower limit of remaining battery life", ROLE_SYSTEM_SLIDER, Hidden, L"20%"},
          {IDC_GAUGE, L"Current status of remaining battery life", ROLE_SYSTEM_PROGRESSBAR, Hidden | R, L"60%"},
          music,
          musicPicture}},
    };
    for (const auto& table : tables) {
        RunIn(table.layout, [&](ScriptedDialog& dialog) {
            for (const std::vector<AccessibleRow>* rows : {&common, &table.rows}) {
                for (const AccessibleRow& row : *rows) {
                    EXPECT_EQ(row, ReadAccessible(dialog, row.nId)) << static_cast<int>(table.layout);
                }
            }
        });
    }
}

TEST_F(SettingsAccessibility, GaugeValueFollowsTheBatteryLevelAndTellsWhenItChanges) {
    RunIn(Layout::WithMusic, [&](ScriptedDialog& dialog) {
        const struct {
            BYTE bFlag, bPercent;
            const wchar_t* value;
            bool bNotified;
        } steps[] = {
            {1, 45, L"45%", true},
            {1, 45, L"45%", false},
            {128, 255, L"unknown", true},
            {1, 0, L"0%", true},
        };
        for (const auto& step : steps) {
            battery.bFlag = step.bFlag;
            battery.bPercent = step.bPercent;
            g_nGaugeValueEvents = 0;
            const HWINEVENTHOOK hHook =
                ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &CountGaugeValueEvents,
                                  ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
            dialog.SendMessage(WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, 0);
            PumpMessages();
            ::UnhookWinEvent(hHook);
            EXPECT_EQ(step.value, ReadAccessible(dialog, IDC_GAUGE).value) << step.bPercent;
            EXPECT_EQ(step.bNotified ? 1 : 0, g_nGaugeValueEvents) << step.bPercent;
        }
    });
}

TEST_F(SettingsAccessibility, TabAndShiftTabWalkTheControlsInReadingOrder) {
    const std::vector<int> footer = {IDC_DEFAULT, IDC_HELP_BUTTON, IDC_OK, IDC_CANCEL};
    const struct {
        Layout layout;
        std::vector<int> groups;  // from the first control on; the footer follows
    } walks[] = {
        {Layout::WithMusic, {IDC_CHARGE_CHECK, IDC_MODE_LIST, IDC_MUSIC_CHECK, IDC_BATTERY_CHECK, IDC_LIMIT_SLIDER}},
        {Layout::WithoutMusic, {IDC_CHARGE_CHECK, IDC_MODE_LIST, IDC_BATTERY_CHECK, IDC_LIMIT_SLIDER}},
        {Layout::BatteryLess, {IDC_CHARGE_CHECK, IDC_MODE_LIST, IDC_MUSIC_CHECK}},
    };
    for (const auto& walk : walks) {
        std::vector<int> cycle = walk.groups;
        cycle.insert(cycle.end(), footer.begin(), footer.end());
        RunIn(walk.layout, [&](ScriptedDialog& dialog) {
            EXPECT_EQ(dialog.Item(IDC_CHARGE_CHECK), ::GetFocus());
            std::vector<int> forward(cycle.begin() + 1, cycle.end());
            forward.push_back(cycle.front());
            EXPECT_EQ(forward, WalkWithTab(dialog, cycle.size(), false)) << static_cast<int>(walk.layout);
            const std::vector<int> backward(cycle.rbegin(), cycle.rend());
            EXPECT_EQ(backward, WalkWithTab(dialog, cycle.size(), true)) << static_cast<int>(walk.layout);
        });
    }
}

TEST_F(SettingsAccessibility, EachMnemonicPressesItsButton) {
    RunIn(Layout::WithMusic, [&](ScriptedDialog& dialog) {
        ::EnableWindow(dialog.Item(IDC_APPLY), TRUE);  // as after a change
        std::vector<int> clicked;
        ::SetWindowSubclass(dialog, &RecordFooterClicks, 1, reinterpret_cast<DWORD_PTR>(&clicked));
        for (const wchar_t chLetter : {L'd', L'H', L'a'}) PressMnemonic(dialog, chLetter);
        ::RemoveWindowSubclass(dialog, &RecordFooterClicks, 1);
        EXPECT_EQ((std::vector<int>{IDC_DEFAULT, IDC_HELP_BUTTON, IDC_APPLY}), clicked);
    });
}
