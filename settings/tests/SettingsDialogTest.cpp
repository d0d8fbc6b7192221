// The settings dialog created in the test program and driven with window messages, against the
// simulated feature library.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "BatteryGauge.h"
#include "CNodwellSimpleDlg.h"
#include "GaugeGeometry.h"
#include "HighContrastScheme.h"
#include "LanguageModule.h"
#include "ImageHelper.h"
#include "ScriptedDialog.h"
#include "SettingsTestSupport.h"
#include "UiResourceTable.h"
#include "Waiting.h"
#include "resource.h"

namespace {

using Lines = std::vector<std::string>;

// Wine reports no battery: the gauge's tests give the level through the power-status seam.
class FixedBatteryLevel : public PowerStatusSource {
public:
    explicit FixedBatteryLevel(BYTE bPercent) : m_bPercent(bPercent) {}
    bool Read(SYSTEM_POWER_STATUS& status) const override {
        status.BatteryFlag = 1;
        status.BatteryLifePercent = m_bPercent;
        return true;
    }

private:
    BYTE m_bPercent;
};

// Answers the message boxes of this process with OK, keeping what they said.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() : m_thread([this] { Run(); }) {}
    ~MessageBoxAnswerer() {
        m_bStop = true;
        m_thread.join();
    }
    std::vector<std::wstring> Seen() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_seen;
    }

private:
    void Run() {
        while (!m_bStop) {
            if (const HWND hBox = testsupport::FindProcessWindow(::GetCurrentProcessId(), testsupport::IsMessageBox)) {
                wchar_t szText[512] = {};
                wchar_t szCaption[128] = {};
                ::GetDlgItemTextW(hBox, testsupport::kMessageBoxTextId, szText, 512);
                ::GetWindowTextW(hBox, szCaption, 128);
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_seen.push_back(std::wstring(szCaption) + L": " + szText);
                }
                ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
                // Wait until the box is gone before looking for another.
                for (int i = 0; i < 200 && ::IsWindow(hBox); ++i) ::Sleep(10);
            }
            ::Sleep(10);
        }
    }
    std::atomic<bool> m_bStop{false};
    std::mutex m_mutex;
    std::vector<std::wstring> m_seen;
    std::thread m_thread;
};

class SettingsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_resources = std::make_unique<DialogResources>(); }
    static void TearDownTestSuite() { s_resources.reset(); }

    // Runs the dialog with the script; the information program is never started from here.
    INT_PTR Run(const std::function<void(ScriptedDialog&)>& script, bool bCloseAfterScript = true) {
        ScriptedDialog dialog;
        dialog.SetNoInfo(true);
        dialog.SetPowerStatusSource(battery);
        dialog.script = script;
        dialog.bCloseAfterScript = bCloseAfterScript;
        return dialog.DoModal();
    }

    SettingsKeyGuard settings;
    SimulatedMachineKey machine;
    CallLog log{machine};
    AcpiBatteryKey acpi{true};
    FixedBatteryLevel battery{60};
    NotificationReceiver receiver;
    static std::unique_ptr<DialogResources> s_resources;
};
std::unique_ptr<DialogResources> SettingsDialogTest::s_resources;

constexpr int kAllControls[] = {IDC_CHARGE_FRAME, IDC_CHARGE_CHECK, IDC_BATTERY_FRAME, IDC_BATTERY_CHECK,
                                IDC_MUSIC_FRAME,  IDC_MUSIC_CHECK,  IDC_MODE_LABEL,    IDC_MODE_LIST,
                                IDC_LIMIT_LABEL,  IDC_LIMIT_SLIDER, IDC_LIMIT_VALUE,   IDC_DEFAULT,
                                IDC_OK};

}  // namespace

TEST_F(SettingsDialogTest, LayoutFollowsMusicSupportAndTheBatteryKeys) {
    struct Case {
        DWORD music;
        bool pnp0c0a, acpi0002;
        DialogLayoutKind kind;
    };
    for (const Case& c : {Case{1, true, false, DialogLayoutKind::WithMusic},
                          Case{0, true, false, DialogLayoutKind::WithoutMusic},
                          Case{0, false, true, DialogLayoutKind::WithoutMusic},
                          Case{1, false, false, DialogLayoutKind::BatteryLess},
                          Case{0, false, false, DialogLayoutKind::BatteryLess}}) {
        machine.SetDword(L"SupportMusic", c.music);
        AcpiBatteryKey key(c.pnp0c0a);
        AcpiBatteryKey second(c.acpi0002, L"ACPI0002");
        const bool battery = c.pnp0c0a || c.acpi0002;
        log.Clear();
        Run([&](ScriptedDialog& dialog) {
            const SIZE expected = LayoutWindowSize(c.kind, dialog.GetScale());
            EXPECT_EQ(expected.cx, dialog.WindowSize().cx) << c.music << battery;
            EXPECT_EQ(expected.cy, dialog.WindowSize().cy) << c.music << battery;
            EXPECT_EQ(battery, dialog.IsBatteryPresent()) << c.pnp0c0a << c.acpi0002;
            EXPECT_EQ(c.music != 0, dialog.Visible(IDC_MUSIC_CHECK));
            EXPECT_EQ(c.music != 0, dialog.Visible(IDC_MUSIC_DESCRIPTION));
            for (int nId : {IDC_BATTERY_CHECK, IDC_LIMIT_SLIDER, IDC_GAUGE, IDC_LEVEL_VALUE, IDC_LEVEL_LABEL}) {
                EXPECT_EQ(battery, dialog.Visible(nId)) << nId;
            }
            EXPECT_TRUE(dialog.Visible(IDC_CHARGE_CHECK));
            EXPECT_FALSE(dialog.Visible(IDC_CHARGE_GROUP));  // the check box stands in for it
        });
        // The start-up calls, in order; the music mode is asked only where music is supported.
        Lines expected{"NWLB_InitializeDll -> 0",  "NWLB_GetAllowDeviceLock -> 0", "NWLB_GetCapableModes -> 0",
                       "NWLB_GetCurrentBattery -> 0", "NWLB_GetCapableModes -> 0", "NWLB_GetCurrentMode -> 0",
                       "NWLB_IsSupportMusic -> 0"};
        if (c.music) expected.push_back("NWLB_GetCurrentMusicMode -> 0");
        expected.push_back("NWLB_FinalizeDll -> 0");
        EXPECT_EQ(expected, log.Lines()) << c.music;
    }
}

TEST_F(SettingsDialogTest, TextsComeFromTheStringTable) {
    machine.SetDword(L"CapableModes", 0x1E);
    Run([](ScriptedDialog& dialog) {
        EXPECT_EQ(L"Corvane Vezuv Uvodoza", dialog.GetWindowText());
        EXPECT_EQ(L"Enable Zazez and Charge", dialog.Text(IDC_CHARGE_CHECK));
        EXPECT_EQ(L"Enable under Battery Mode", dialog.Text(IDC_BATTERY_CHECK));
        EXPECT_EQ(L"Apply(&A)", dialog.Text(IDC_APPLY));
        EXPECT_EQ(L"10%", dialog.Text(IDC_LIMIT_VALUE));
        const HWND hSlider = dialog.Item(IDC_LIMIT_SLIDER);
        EXPECT_EQ(2, ::SendMessageW(hSlider, TBM_GETRANGEMIN, 0, 0));
        EXPECT_EQ(99, ::SendMessageW(hSlider, TBM_GETRANGEMAX, 0, 0));
        std::vector<LRESULT> ticks;  // the ends have marks of their own, not listed here
        for (WPARAM i = 0; i + 2 < static_cast<WPARAM>(::SendMessageW(hSlider, TBM_GETNUMTICS, 0, 0)); ++i) {
            ticks.push_back(::SendMessageW(hSlider, TBM_GETTIC, i, 0));
        }
        std::sort(ticks.begin(), ticks.end());
        EXPECT_EQ((std::vector<LRESULT>{10, 20, 30, 40, 50, 60, 70, 80, 90}), ticks);
        EXPECT_EQ(L"60%", dialog.Text(IDC_LEVEL_VALUE));
        const HWND hList = dialog.Item(IDC_MODE_LIST);
        EXPECT_EQ(4, ::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(0, ::SendMessageW(hList, CB_GETCURSEL, 0, 0));
    });
}

TEST_F(SettingsDialogTest, LongLabelsWidenTheOrdinaryListButNotTheTwoEntryList) {
    // The German labels are the long ones: the program's German module, as built beside it.
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    const std::filesystem::path program = std::filesystem::path(szPath).parent_path().parent_path() / L"Nodwell.exe";
    const crvUiVista::LanguageModule german = crvUiVista::LanguageModule::Load(program.wstring(), 0x0407);
    ASSERT_TRUE(german);
    struct Case {
        DWORD mask;
        bool widened;
    };
    for (const Case& c : {Case{0x18, true}, Case{0x58, false}}) {
        machine.SetDword(L"CapableModes", c.mask);
        AfxSetResourceHandle(german.Handle());
        Run([&](ScriptedDialog& dialog) {
            const HWND hList = dialog.Item(IDC_MODE_LIST);
            RECT list{};
            ::GetWindowRect(hList, &list);
            ::MapWindowPoints(HWND_DESKTOP, dialog.m_hWnd, reinterpret_cast<POINT*>(&list), 2);
            RECT label{};  // the mode label keeps the template's left edge, as the list does
            ::GetWindowRect(dialog.Item(IDC_MODE_LABEL), &label);
            ::MapWindowPoints(HWND_DESKTOP, dialog.m_hWnd, reinterpret_cast<POINT*>(&label), 2);
            EXPECT_EQ(label.left, list.left);
            RECT units{0, 0, 138, 0};
            ::MapDialogRect(dialog.m_hWnd, &units);
            int widest = 0;
            const HDC hDC = ::GetDC(hList);
            const HGDIOBJ old = ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageW(hList, WM_GETFONT, 0, 0)));
            for (int i = 0; i < ::SendMessageW(hList, CB_GETCOUNT, 0, 0); ++i) {
                wchar_t szText[128] = {};
                ::SendMessageW(hList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szText));
                SIZE size{};
                ::GetTextExtentPoint32W(hDC, szText, lstrlenW(szText), &size);
                widest = std::max<int>(widest, size.cx);
            }
            ::SelectObject(hDC, old);
            ::ReleaseDC(hList, hDC);
            const int expected = c.widened ? widest + 80 * dialog.GetScale() / 96 : units.right;
            EXPECT_EQ(expected, list.right - list.left) << c.mask;
            EXPECT_EQ(c.widened, expected > units.right) << c.mask;
        });
        AfxSetResourceHandle(nullptr);
    }
}

TEST_F(SettingsDialogTest, NoMessageAndNothingLoadedWhenChangesAreNotAllowed) {
    machine.SetDword(L"AllowDeviceLock", 0);
    MessageBoxAnswerer boxes;
    Run([](ScriptedDialog& dialog) {
        for (int nId : kAllControls) EXPECT_FALSE(dialog.Enabled(nId)) << nId;
        EXPECT_TRUE(dialog.Enabled(IDC_CANCEL));
        EXPECT_TRUE(dialog.Enabled(IDC_HELP_BUTTON));
        EXPECT_EQ(0, ::SendMessageW(dialog.Item(IDC_MODE_LIST), CB_GETCOUNT, 0, 0));
        // Commands that would mark a change do not enable Apply.
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHARGE_CHECK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.Item(IDC_CHARGE_CHECK)));
        EXPECT_FALSE(dialog.Enabled(IDC_APPLY));
    });
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_TRUE(log.LinesFrom("NWLB_GetCurrentBattery").empty());
    EXPECT_TRUE(log.LinesFrom("NWLB_Set").empty());
}

TEST_F(SettingsDialogTest, UnusableLibraryShowsMessage502AndDisablesEverything) {
    for (const wchar_t* failing : {L"Fail_InitializeDll", L"Fail_GetAllowDeviceLock", L"Fail_GetCurrentMode"}) {
        machine.SetDword(failing, 9);
        MessageBoxAnswerer boxes;
        Run([](ScriptedDialog& dialog) {
            for (int nId : kAllControls) EXPECT_FALSE(dialog.Enabled(nId)) << nId;
            EXPECT_TRUE(dialog.Enabled(IDC_CANCEL));
            EXPECT_TRUE(dialog.Enabled(IDC_HELP_BUTTON));
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MUSIC_CHECK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(dialog.Item(IDC_MUSIC_CHECK)));
            dialog.SendMessage(WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(dialog.Item(IDC_LIMIT_SLIDER)));
            EXPECT_FALSE(dialog.Enabled(IDC_APPLY));
        });
        EXPECT_EQ(std::vector<std::wstring>{L"Corvane Vezuv Uvodoza: Cannot get hardware information."}, boxes.Seen())
            << failing;
        machine.Delete(failing);
    }
    EXPECT_TRUE(log.LinesFrom("NWLB_Set").empty());
}

TEST_F(SettingsDialogTest, EnterAppliesTwiceUnlessOnAFooterButtonOtherThanOk) {
    struct Case {
        int focus;  // 0: the dialog itself gets the key
        WPARAM key;
        size_t commits;
        bool defaulted;  // the Default button's library call was made
        INT_PTR result;  // IDCANCEL where the key leaves the dialog open: Cancel closes it then
    };
    for (const Case& c : {Case{IDC_OK, VK_RETURN, 2, false, IDOK}, Case{IDC_CHARGE_CHECK, VK_RETURN, 2, false, IDOK},
                          Case{IDC_CANCEL, VK_RETURN, 0, false, IDCANCEL}, Case{IDC_OK, VK_ESCAPE, 0, false, IDCANCEL},
                          Case{IDC_DEFAULT, VK_RETURN, 0, true, IDCANCEL}, Case{IDC_APPLY, VK_RETURN, 1, false, IDCANCEL}}) {
        log.Clear();
        const INT_PTR result = Run(
            [&](ScriptedDialog& dialog) {
                ::EnableWindow(dialog.Item(IDC_APPLY), TRUE);  // as after a change
                ::SetFocus(dialog.Item(c.focus));
                ::PostMessageW(dialog.Item(c.focus), WM_KEYDOWN, c.key, 0);
                if (c.focus != IDC_OK && c.focus != IDC_CHARGE_CHECK && c.focus != IDC_CANCEL) {
                    dialog.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_CANCEL, BN_CLICKED),
                                       reinterpret_cast<LPARAM>(dialog.Item(IDC_CANCEL)));
                }
            },
            false);
        EXPECT_EQ(c.result, result) << c.focus;
        const Lines lines = log.Lines();
        EXPECT_EQ(c.commits, static_cast<size_t>(std::count(lines.begin(), lines.end(), "NWLB_Commit -> 0"))) << c.focus;
        EXPECT_EQ(c.defaulted, !log.LinesFrom("NWLB_GetDefaultBattery").empty()) << c.focus;
        EXPECT_EQ("NWLB_FinalizeDll -> 0", lines.back());
    }
    EXPECT_EQ(5, receiver.Count());  // one for each complete apply
}

TEST_F(SettingsDialogTest, FailedApplyStillDisablesApplyAndOkStillCloses) {
    machine.SetDword(L"Fail_Commit", 7);
    for (int nButton : {IDC_APPLY, IDC_OK}) {
        log.Clear();
        const INT_PTR result = Run(
            [&](ScriptedDialog& dialog) {
                ::EnableWindow(dialog.Item(IDC_APPLY), TRUE);
                // Queued first, handled only if the dialog is still open after the click.
                dialog.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_CANCEL, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(dialog.Item(IDC_CANCEL)));
                dialog.Click(nButton);
                if (nButton == IDC_APPLY) {
                    EXPECT_FALSE(dialog.Enabled(IDC_APPLY));
                    EXPECT_EQ(dialog.Item(IDC_CHARGE_CHECK), ::GetFocus());
                }
            },
            false);
        PumpMessages();  // the Cancel left for a closed dialog
        EXPECT_EQ(nButton == IDC_OK ? IDOK : IDCANCEL, result);
        EXPECT_EQ((Lines{"NWLB_Commit -> 7", "NWLB_FinalizeDll -> 0"}), log.LinesFrom("NWLB_Commit")) << nButton;
    }
    EXPECT_EQ(0, receiver.Count());
}

TEST_F(SettingsDialogTest, DefaultThenApplySwitchesBothFeaturesOffWithDefaultBattery) {
    machine.SetDword(L"CurrentMode", 3);
    machine.SetDword(L"BatteryEnabled", 0);
    machine.SetDword(L"BatteryLimit", 50);
    machine.SetDword(L"MusicMode", 1);
    machine.SetDword(L"DefaultBatteryEnabled", 1);
    machine.SetDword(L"DefaultBatteryLimit", 30);
    Run([this](ScriptedDialog& dialog) {
        EXPECT_TRUE(dialog.Checked(IDC_CHARGE_CHECK));
        EXPECT_TRUE(dialog.Checked(IDC_MUSIC_CHECK));
        EXPECT_FALSE(dialog.Enabled(IDC_APPLY));
        dialog.Click(IDC_DEFAULT);
        EXPECT_FALSE(dialog.Checked(IDC_CHARGE_CHECK));
        EXPECT_FALSE(dialog.Checked(IDC_MUSIC_CHECK));
        EXPECT_TRUE(dialog.Checked(IDC_BATTERY_CHECK));
        EXPECT_EQ(30, dialog.SliderPos());
        EXPECT_EQ(L"30%", dialog.Text(IDC_LIMIT_VALUE));
        EXPECT_FALSE(dialog.Enabled(IDC_MODE_LIST));
        EXPECT_TRUE(dialog.Enabled(IDC_APPLY));
        log.Clear();
        dialog.Click(IDC_APPLY);
        EXPECT_FALSE(dialog.Enabled(IDC_APPLY));
        EXPECT_EQ(dialog.Item(IDC_CHARGE_CHECK), ::GetFocus());
    });
    EXPECT_EQ((Lines{"NWLB_SetCurrentMode 0 -> 0", "NWLB_SetCurrentBattery 1 30 -> 0", "NWLB_SetCurrentMusicMode 0 -> 0",
                     "NWLB_Commit -> 0", "NWLB_FinalizeDll -> 0"}),
              log.Lines());
    EXPECT_EQ(std::optional<DWORD>(4), SettingsKeyGuard::Read(L"Mode"));  // the first entry, Typical Mode
    EXPECT_EQ(1, receiver.Count());
}

TEST_F(SettingsDialogTest, ModeChosenWhileChargeIsOffIsRememberedNotSent) {
    Run([this](ScriptedDialog& dialog) {
        EXPECT_FALSE(dialog.Checked(IDC_CHARGE_CHECK));
        const HWND hList = dialog.Item(IDC_MODE_LIST);
        ::SendMessageW(hList, CB_SETCURSEL, 1, 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
        EXPECT_TRUE(dialog.Enabled(IDC_APPLY));
        log.Clear();
        dialog.Click(IDC_APPLY);
    });
    EXPECT_EQ("NWLB_SetCurrentMode 0 -> 0", log.Lines().front());
    EXPECT_EQ(std::optional<DWORD>(3), SettingsKeyGuard::Read(L"Mode"));
}

TEST_F(SettingsDialogTest, MusicKeepsTheBatteryGroupUsableWithoutCharge) {
    machine.SetDword(L"CurrentMode", 4);
    machine.SetDword(L"MusicMode", 1);
    machine.SetDword(L"BatteryEnabled", 1);
    Run([](ScriptedDialog& dialog) {
        EXPECT_TRUE(dialog.Enabled(IDC_LIMIT_SLIDER));
        dialog.Click(IDC_CHARGE_CHECK);
        EXPECT_FALSE(dialog.Enabled(IDC_MODE_LIST));
        EXPECT_TRUE(dialog.Enabled(IDC_BATTERY_CHECK));
        EXPECT_TRUE(dialog.Enabled(IDC_LIMIT_SLIDER));
        EXPECT_TRUE(dialog.Enabled(IDC_APPLY));
        dialog.Click(IDC_MUSIC_CHECK);
        EXPECT_FALSE(dialog.Enabled(IDC_BATTERY_CHECK));
        EXPECT_FALSE(dialog.Enabled(IDC_LIMIT_SLIDER));
        dialog.Click(IDC_MUSIC_CHECK);
        dialog.Click(IDC_BATTERY_CHECK);  // off: the group stays, the slider goes
        EXPECT_TRUE(dialog.Enabled(IDC_BATTERY_CHECK));
        EXPECT_FALSE(dialog.Enabled(IDC_LIMIT_SLIDER));
    });
}

TEST_F(SettingsDialogTest, GaugeShowsTheLimitOnlyWhileOperationOnBatteryIsActive) {
    struct Case {
        DWORD mode, music, battery;
        bool limitShown;
    };
    machine.SetDword(L"BatteryLimit", 30);
    for (const Case& c : {Case{4, 0, 1, true}, Case{0, 1, 1, true}, Case{4, 1, 0, false}, Case{0, 0, 1, false}}) {
        machine.SetDword(L"CurrentMode", c.mode);
        machine.SetDword(L"MusicMode", c.music);
        machine.SetDword(L"BatteryEnabled", c.battery);
        Run([&](ScriptedDialog& dialog) {
            const BatteryGauge& gauge = dialog.GetGauge();
            const RECT bar = gauge.GetBar();
            const int y = (bar.top + bar.bottom) / 2;
            const COLORREF below = ::GetPixel(gauge.GetSurfaceDc(), GaugeGeometry::PercentPoint(bar, 15), y);
            const COLORREF between = ::GetPixel(gauge.GetSurfaceDc(), GaugeGeometry::PercentPoint(bar, 45), y);
            const COLORREF above = ::GetPixel(gauge.GetSurfaceDc(), GaugeGeometry::PercentPoint(bar, 80), y);
            EXPECT_EQ(c.limitShown ? RGB(198, 101, 101) : RGB(101, 189, 101), below) << c.mode << c.music << c.battery;
            EXPECT_EQ(RGB(101, 189, 101), between);
            EXPECT_EQ(RGB(246, 246, 242), above);  // the empty frame beyond the level
            // The limit marker's stem stands at the limit point, the level marker's always at the level.
            const COLORREF limitStem = ::GetPixel(gauge.GetSurfaceDc(), GaugeGeometry::PercentPoint(bar, 30), y);
            EXPECT_EQ(c.limitShown, limitStem != RGB(198, 101, 101) && limitStem != RGB(101, 189, 101));
            const COLORREF levelStem = ::GetPixel(gauge.GetSurfaceDc(), GaugeGeometry::PercentPoint(bar, 60), y);
            EXPECT_NE(RGB(101, 189, 101), levelStem);
            EXPECT_NE(RGB(246, 246, 242), levelStem);
        });
    }
}

TEST_F(SettingsDialogTest, ClickOnTheGaugeMovesTheSliderOnlyWhileItIsEnabled) {
    machine.SetDword(L"CurrentMode", 4);
    machine.SetDword(L"BatteryLimit", 10);
    for (DWORD battery : {1u, 0u}) {  // the slider is enabled only with its box checked
        machine.SetDword(L"BatteryEnabled", battery);
        Run([&](ScriptedDialog& dialog) {
            ASSERT_EQ(battery == 1, dialog.Enabled(IDC_LIMIT_SLIDER));
            const RECT area = dialog.GetGauge().GetArea();
            const POINT at80{area.left + (area.right - area.left) * 8 / 10, (area.top + area.bottom) / 2};
            dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at80.x, at80.y));
            PumpMessages();
            ::SendMessageW(dialog.Item(IDC_LIMIT_SLIDER), WM_LBUTTONUP, 0, 0);
            if (battery == 1) {
                EXPECT_GT(dialog.SliderPos(), 10);  // paged towards the click, as a click on the channel does
            } else {
                EXPECT_EQ(10, dialog.SliderPos());
            }
        });
    }
}

namespace {

// A window with the gauge's area and labels, as the dialog lays them out.
class GaugeHost {
public:
    GaugeHost() {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 500, 200, nullptr, nullptr,
                                   nullptr, nullptr);
        area = Child(40, 50, 410, 22);   // bar from 45 to 445: 4 pixels a percent
        value = Child(200, 80, 40, 13);
        label = Child(150, 100, 180, 13);
    }
    ~GaugeHost() { ::DestroyWindow(m_hWnd); }
    HWND Child(int x, int y, int cx, int cy) const {
        return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, x, y, cx, cy, m_hWnd, nullptr,
                                 nullptr, nullptr);
    }
    RECT Rect(HWND hChild) const {
        RECT rect{};
        ::GetWindowRect(hChild, &rect);
        ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    DWORD Align(HWND hChild) const { return ::GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK; }
    std::wstring Text(HWND hChild) const {
        wchar_t szText[32] = {};
        ::GetWindowTextW(hChild, szText, 32);
        return szText;
    }
    HWND m_hWnd, area, value, label;
};

}  // namespace

TEST_F(SettingsDialogTest, DraggingRepaintsOnlyTheStripBetweenTheOldAndNewLimit) {
    GaugeHost host;
    BatteryGauge gauge;
    gauge.SetPowerStatusSource(battery);
    ASSERT_TRUE(gauge.Prepare(host.m_hWnd, host.area, host.value, host.label,
                              static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), ::GetModuleHandleW(nullptr)));
    gauge.Redraw(true, 10);
    ::ValidateRect(host.m_hWnd, nullptr);
    gauge.Redraw(true, 12, true, 10);
    RECT dirty{};
    ASSERT_TRUE(::GetUpdateRect(host.m_hWnd, &dirty, FALSE));
    // Bar width 400: the 10 point is 40 and the 12 point 48 pixels from the area's left edge.
    EXPECT_EQ(40 + 40 - 16, dirty.left);
    EXPECT_EQ(40 + 48 + 16, dirty.right);
    EXPECT_EQ(50, dirty.top);
    EXPECT_EQ(72, dirty.bottom);

    ::ValidateRect(host.m_hWnd, nullptr);
    gauge.Redraw(true, 12);
    ASSERT_TRUE(::GetUpdateRect(host.m_hWnd, &dirty, FALSE));
    EXPECT_EQ(40, dirty.left);
    EXPECT_EQ(450, dirty.right);
}

TEST_F(SettingsDialogTest, LevelLabelsFollowTheLevelAndStopAtTheGaugesEdges) {
    struct Case {
        BYTE level;
        DWORD align;
        int valueLeft, labelLeft;
    };
    // Level point = 45 + 4 x level; the area runs from 40 to 450.
    for (const Case& c : {Case{50, SS_CENTER, 245 - 20, 245 - 90}, Case{1, SS_LEFT, 40, 40},
                          Case{99, SS_RIGHT, 450 - 40, 450 - 180}}) {
        GaugeHost host;
        const FixedBatteryLevel level(c.level);
        BatteryGauge gauge;
        gauge.SetPowerStatusSource(level);
        ASSERT_TRUE(gauge.Prepare(host.m_hWnd, host.area, host.value, host.label,
                                  static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), ::GetModuleHandleW(nullptr)));
        gauge.Redraw(false, 10);
        EXPECT_EQ(std::to_wstring(c.level) + L"%", host.Text(host.value));
        EXPECT_EQ(c.valueLeft, host.Rect(host.value).left) << int{c.level};
        EXPECT_EQ(c.labelLeft, host.Rect(host.label).left) << int{c.level};
        EXPECT_EQ(c.align, host.Align(host.value)) << int{c.level};
        EXPECT_EQ(c.align, host.Align(host.label)) << int{c.level};
    }
    // What this machine reports: no battery, level 0.
    GaugeHost host;
    BatteryGauge gauge;
    ASSERT_TRUE(gauge.Prepare(host.m_hWnd, host.area, host.value, host.label,
                              static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), ::GetModuleHandleW(nullptr)));
    gauge.Redraw(false, 10);
    EXPECT_EQ(L"0%", host.Text(host.value));
    EXPECT_EQ(SS_LEFT, host.Align(host.value));
}

// High contrast turned on while the dialog is open, in each layout: only system colours then
// (the pictures aside), every text in the text colour of the area it stands on, the gauge in
// the scheme's colours; the dialog's own colours again once it is off.
TEST_F(SettingsDialogTest, HighContrastDrawsInSystemColoursInEveryLayoutAndBackAgain) {
    struct Case {
        DWORD music;
        bool battery;
        HighContrastScheme::Route route;
        const wchar_t* shot;
    };
    struct Text {
        int nId;
        int nColour;
    };
    constexpr Text kTexts[] = {
        {IDC_HEADER_TITLE, COLOR_BTNTEXT},         {IDC_HEADER_DESCRIPTION, COLOR_BTNTEXT},
        {IDC_CHARGE_CHECK, COLOR_WINDOWTEXT},      {IDC_MODE_LABEL, COLOR_WINDOWTEXT},
        {IDC_CHARGE_DESCRIPTION, COLOR_WINDOWTEXT}, {IDC_BATTERY_CHECK, COLOR_WINDOWTEXT},
        {IDC_LIMIT_LABEL, COLOR_WINDOWTEXT},       {IDC_LIMIT_VALUE, COLOR_WINDOWTEXT},
        {IDC_LEVEL_VALUE, COLOR_WINDOWTEXT},       {IDC_LEVEL_LABEL, COLOR_WINDOWTEXT},
        {IDC_MUSIC_CHECK, COLOR_WINDOWTEXT},       {IDC_MUSIC_DESCRIPTION, COLOR_WINDOWTEXT},
        {IDC_DEFAULT, COLOR_BTNTEXT},              {IDC_OK, COLOR_BTNTEXT},
        {IDC_APPLY, COLOR_GRAYTEXT},  // unavailable until something changes
    };
    machine.SetDword(L"CurrentMode", 4);
    machine.SetDword(L"BatteryEnabled", 1);
    machine.SetDword(L"BatteryLimit", 20);
    using Route = HighContrastScheme::Route;
    for (const Case& c : {Case{1, true, Route::Colours, L"settings-full-high-contrast"},
                          Case{0, true, Route::Setting, L"settings-without-music-high-contrast"},
                          Case{1, false, Route::Colours, L"settings-battery-less-high-contrast"}}) {
        machine.SetDword(L"SupportMusic", c.music);
        AcpiBatteryKey key(c.battery);
        Run([&](ScriptedDialog& dialog) {
            std::vector<RECT> pictures;
            for (int nId : {IDC_HEADER_PICTURE, IDC_CHARGE_PICTURE, IDC_MUSIC_PICTURE}) {
                pictures.push_back(ScreenRect(dialog.m_hWnd, nId));
            }
            auto scheme = std::make_unique<HighContrastScheme>();
            scheme->TurnOn(dialog.m_hWnd, c.route);
            const WindowPixels pixels(dialog.m_hWnd);
            EXPECT_EQ(L"", pixels.FirstForeignPixel(PaintedArea(dialog.m_hWnd), pictures)) << c.shot;
            for (const Text& text : kTexts) {
                if (!dialog.Visible(text.nId)) continue;
                EXPECT_TRUE(pixels.Shows(ScreenRect(dialog.m_hWnd, text.nId), ::GetSysColor(text.nColour)))
                    << text.nId << " " << c.shot;
            }
            if (c.battery) {
                // The level (60) in the selection colour, the part below the limit hatched.
                const BatteryGauge& gauge = dialog.GetGauge();
                const RECT bar = gauge.GetBar();
                const int y = (bar.top + bar.bottom) / 2;
                const auto at = [&](int nPercent) {
                    return ::GetPixel(gauge.GetSurfaceDc(), GaugeGeometry::PercentPoint(bar, nPercent), y);
                };
                EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), at(45));
                EXPECT_EQ(::GetSysColor(COLOR_WINDOW), at(80));
                EXPECT_NE(at(45), at(10));
            }
            SaveShotIfAsked(dialog.m_hWnd, c.shot);
            scheme.reset();
            ::RedrawWindow(dialog.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            const WindowPixels normal(dialog.m_hWnd);
            EXPECT_NE(L"", normal.FirstForeignPixel(PaintedArea(dialog.m_hWnd), pictures)) << c.shot;
        });
    }
}
