// The information dialog in this process, driven from inside its own modal loop with the
// messages a user's actions produce. The settings key and the simulated machine are the
// user's real keys, saved and put back by each test. Paths that start other programs with
// the box checked, or "Setup Now", are covered by the end-to-end tests, where stand-ins
// record them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CNodwellInfoDlg.h"
#include "HighContrastScheme.h"
#include "HtmlResourceText.h"
#include "LanguageModule.h"
#include "NodwellSettingsKey.h"
#include "RegistrySnapshot.h"
#include "Resource.h"
#include "ScriptedBrowser.h"
#include "SimulatedMachineKey.h"
#include "SuiteFolders.h"

namespace {

// Runs a script once the dialog is initialised, from inside its modal loop.
class CScriptedInfoDlg : public CNodwellInfoDlg {
public:
    std::function<void(CScriptedInfoDlg&)> onOpen;
    HWND Item(int nId) const { return ::GetDlgItem(m_hWnd, nId); }

    BOOL OnInitDialog() override {
        const BOOL result = CNodwellInfoDlg::OnInitDialog();
        if (onOpen) onOpen(*this);
        return result;
    }
};

// Runs an action once from the message loop after a delay, as a late engine would act.
std::function<void()> g_laterAction;
void CALLBACK RunLaterAction(HWND, UINT, UINT_PTR idTimer, DWORD) {
    KillTimer(nullptr, idTimer);
    std::exchange(g_laterAction, nullptr)();
}
void RunLater(DWORD dwDelayMs, std::function<void()> action) {
    g_laterAction = std::move(action);
    SetTimer(nullptr, 0, dwDelayMs, RunLaterAction);
}

// The page written, then the user's text size 4 read and replaced by 2, and given back at close.
const std::vector<std::wstring> kPageShownAndClosed = {
    L"navigate about:blank", L"close", L"open text/html _self", L"refresh", L"write",
    L"text size?", L"text size 2", L"text size 4"};

// The browser let go of on the way out: nothing held, no events advised, the site freed.
void ExpectEverythingReleased(ScriptedBrowser& engine, const char* what) {
    EXPECT_EQ(0, engine.HeldReferences()) << what;
    EXPECT_FALSE(engine.SinkAdvised()) << what;
    EXPECT_EQ(0u, engine.ReleaseSite()) << what;
}

RECT RectInDialog(HWND hChild) {
    RECT rc{};
    GetWindowRect(hChild, &rc);
    MapWindowPoints(HWND_DESKTOP, GetParent(hChild), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class InfoDialog : public testing::Test {
protected:
    void SetUp() override { m_machine.SetDword(L"CapableModes", 0x18); }

    INT_PTR Run(bool bSetupMode, const std::function<void(CScriptedInfoDlg&)>& script) {
        CScriptedInfoDlg dialog;
        dialog.m_bSetupMode = bSetupMode;
        dialog.onOpen = script;
        m_nModeNameVer = 0;
        const INT_PTR result = dialog.DoModal();
        m_nModeNameVer = dialog.GetModeNameVersion();
        m_nScale = dialog.GetScale();
        return result;
    }

    SimulatedMachineKey m_machine;
    testsupport::RegistrySnapshot m_settings{NodwellSettingsKey::kPath};
    int m_nModeNameVer = 0;
    int m_nScale = 0;
};

}  // namespace

TEST_F(InfoDialog, EachModeShowsItsButtonsTextsAndFooterOrder) {
    const struct {
        bool bSetupMode;
        const wchar_t* checkBoxText;
        std::vector<int> shown;
        std::vector<int> hidden;
    } modes[] = {
        {true, L"In the future, do not display this window.", {IDC_BUTTON_SETUP_NOW, IDC_BUTTON_CANCEL}, {IDC_BUTTON_OK}},
        {false, L"Don't display help when the utility launches", {IDC_BUTTON_OK},
         {IDC_BUTTON_SETUP_NOW, IDC_BUTTON_CANCEL}},
    };
    for (const auto& mode : modes) {
        Run(mode.bSetupMode, [&](CScriptedInfoDlg& d) {
            wchar_t text[200];
            GetWindowTextW(d.m_hWnd, text, 200);
            EXPECT_STREQ(L"Corvane Zazez Information", text);
            GetDlgItemTextW(d.m_hWnd, IDC_DONT_SHOW, text, 200);
            EXPECT_STREQ(mode.checkBoxText, text);
            GetDlgItemTextW(d.m_hWnd, IDC_TITLE, text, 200);
            EXPECT_STREQ(L"Vezuv Uvodoza", text);
            GetDlgItemTextW(d.m_hWnd, IDC_BUTTON_SETUP_NOW, text, 200);
            EXPECT_STREQ(L"Setup Now", text);
            // The dialog itself becomes visible only after its initialisation.
            const auto shown = [&](int nId) { return (GetWindowLongPtrW(d.Item(nId), GWL_STYLE) & WS_VISIBLE) != 0; };
            for (const int nId : mode.shown) EXPECT_TRUE(shown(nId)) << nId;
            for (const int nId : mode.hidden) EXPECT_FALSE(shown(nId)) << nId;
            EXPECT_FALSE(IsWindowEnabled(d.Item(IDC_FOOTER_FILLER)));
            EXPECT_TRUE(GetWindowLongPtrW(d.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

            RECT rcClient{};
            GetClientRect(d.m_hWnd, &rcClient);
            const RECT rcFiller = RectInDialog(d.Item(IDC_FOOTER_FILLER));
            const int nRightmost = mode.bSetupMode ? IDC_BUTTON_CANCEL : IDC_BUTTON_OK;
            const RECT rcRight = RectInDialog(d.Item(nRightmost));
            EXPECT_EQ(rcClient.right, rcRight.right) << "outermost button at the right edge";
            EXPECT_EQ(rcClient.bottom, rcRight.bottom);
            EXPECT_EQ(0, rcFiller.left);
            if (mode.bSetupMode) {
                const RECT rcSetupNow = RectInDialog(d.Item(IDC_BUTTON_SETUP_NOW));
                EXPECT_EQ(rcRight.left, rcSetupNow.right) << "Setup Now left of Cancel";
                EXPECT_EQ(rcSetupNow.left, rcFiller.right);
            } else {
                EXPECT_EQ(rcRight.left, rcFiller.right);
            }
            d.PostMessage(WM_CLOSE);
        });
    }
}

// High contrast turned on while the dialog is open, in both modes: only system colours then
// (the picture and the page aside), every text in its area's text colour; the dialog's own
// colours again once it is off.
TEST_F(InfoDialog, HighContrastDrawsInSystemColoursInBothModesAndBackAgain) {
    using Route = HighContrastScheme::Route;
    const struct {
        bool bSetupMode;
        Route route;
        const wchar_t* shot;
        std::vector<int> buttons;
    } modes[] = {
        {false, Route::Colours, L"info-normal-high-contrast", {IDC_BUTTON_OK}},
        {true, Route::Setting, L"info-setup-high-contrast", {IDC_BUTTON_SETUP_NOW, IDC_BUTTON_CANCEL}},
    };
    for (const auto& mode : modes) {
        Run(mode.bSetupMode, [&](CScriptedInfoDlg& d) {
            // Once the dialog shows.
            RunLater(1, [&] {
                const std::vector<RECT> unchecked = {ScreenRect(d.m_hWnd, IDC_HEADER_PICTURE),
                                                     ScreenRect(d.m_hWnd, IDC_BROWSER)};
                auto scheme = std::make_unique<HighContrastScheme>();
                scheme->TurnOn(d.m_hWnd, mode.route);
                const WindowPixels pixels(d.m_hWnd);
                EXPECT_EQ(L"", pixels.FirstForeignPixel(PaintedArea(d.m_hWnd), unchecked)) << mode.shot;
                std::vector<int> texts = {IDC_TITLE, IDC_DESCRIPTION, IDC_DONT_SHOW};
                texts.insert(texts.end(), mode.buttons.begin(), mode.buttons.end());
                for (const int nId : texts) {
                    EXPECT_TRUE(pixels.Shows(ScreenRect(d.m_hWnd, nId), GetSysColor(COLOR_BTNTEXT))) << nId;
                }
                SaveShotIfAsked(d.m_hWnd, mode.shot);
                scheme.reset();
                RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                EXPECT_NE(L"", WindowPixels(d.m_hWnd).FirstForeignPixel(PaintedArea(d.m_hWnd), unchecked)) << mode.shot;
                d.PostMessage(WM_CLOSE);
            });
        });
    }
}

TEST_F(InfoDialog, HeaderPictureIsAtLeast48SquareAndTheScaleFollowsItsWidth) {
    RECT rcPicture{};
    Run(false, [&](CScriptedInfoDlg& d) {
        rcPicture = RectInDialog(d.Item(IDC_HEADER_PICTURE));
        d.PostMessage(WM_CLOSE);
    });
    const int nWidth = rcPicture.right - rcPicture.left;
    EXPECT_EQ(nWidth, rcPicture.bottom - rcPicture.top);
    EXPECT_GE(nWidth, 48);
    // At 96 dpi the template's 30 units are 45 pixels: scale 96, picture enlarged to 48.
    const int nLogPixels = [] {
        HDC hdc = GetDC(nullptr);
        const int n = GetDeviceCaps(hdc, LOGPIXELSX);
        ReleaseDC(nullptr, hdc);
        return n;
    }();
    if (nLogPixels == 96) {
        EXPECT_EQ(96, m_nScale);
        EXPECT_EQ(48, nWidth);
    }
}

TEST_F(InfoDialog, ClosingPathsSaveTheChoiceExceptTheCloseBox) {
    const struct {
        const char* what;
        bool bSetupMode;
        UINT message;
        WPARAM wParam;
        bool bToChild;  // the key goes to the check box rather than the dialog
        INT_PTR result;
        std::optional<DWORD> dontShowInfo;
    } cases[] = {
        {"OK", false, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_OK, BN_CLICKED), false, IDOK, 0},
        {"Cancel", true, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_CANCEL, BN_CLICKED), false, IDCANCEL, 0},
        {"Enter in normal mode", false, WM_KEYDOWN, VK_RETURN, true, IDOK, 0},
        {"Escape in normal mode", false, WM_KEYDOWN, VK_ESCAPE, true, IDCANCEL, 0},
        {"Escape in setup mode", true, WM_KEYDOWN, VK_ESCAPE, true, IDCANCEL, 0},
        {"close box", true, WM_CLOSE, 0, false, IDCANCEL, std::nullopt},
        {"system menu close", false, WM_SYSCOMMAND, SC_CLOSE, false, IDCANCEL, std::nullopt},
    };
    for (const auto& c : cases) {
        m_settings.Delete(L"DontShowInfo");
        m_settings.SetDword(L"DontRunSrv", 7);
        ScriptedBrowser engine({ScriptedBrowser::Failure::None, true, true});
        const INT_PTR result = Run(c.bSetupMode, [&](CScriptedInfoDlg& d) {
            PostMessageW(c.bToChild ? d.Item(IDC_DONT_SHOW) : d.m_hWnd, c.message, c.wParam, 0);
        });
        EXPECT_EQ(c.result, result) << c.what;
        EXPECT_EQ(c.dontShowInfo, m_settings.Get(L"DontShowInfo")) << c.what;
        EXPECT_EQ(std::optional<DWORD>(7), m_settings.Get(L"DontRunSrv")) << c.what;
        EXPECT_EQ(kPageShownAndClosed, engine.Calls()) << c.what;
        ExpectEverythingReleased(engine, c.what);
    }
}

TEST_F(InfoDialog, StoredChoicePresetsTheBoxAndTheCloseBoxKeepsItUnsaved) {
    for (const DWORD dwStored : {0u, 1u}) {
        m_settings.SetDword(L"DontShowInfo", dwStored);
        int nChecked = -1;
        Run(true, [&](CScriptedInfoDlg& d) {
            nChecked = static_cast<int>(SendMessageW(d.Item(IDC_DONT_SHOW), BM_GETCHECK, 0, 0));
            // The user turns it over, then leaves through the close box.
            SendMessageW(d.Item(IDC_DONT_SHOW), BM_SETCHECK, dwStored ? BST_UNCHECKED : BST_CHECKED, 0);
            d.PostMessage(WM_CLOSE);
        });
        EXPECT_EQ(dwStored ? BST_CHECKED : BST_UNCHECKED, nChecked);
        EXPECT_EQ(std::optional<DWORD>(dwStored), m_settings.Get(L"DontShowInfo"));
        EXPECT_FALSE(m_settings.Get(L"DontRunSrv").has_value());
    }
}

TEST_F(InfoDialog, F1OpensNothingAndTheDialogStaysUsable) {
    LRESULT helpAnswer = 0;
    bool bOpenAfterHelp = false;
    const INT_PTR result = Run(false, [&](CScriptedInfoDlg& d) {
        HELPINFO info{sizeof(info), HELPINFO_WINDOW, IDC_DONT_SHOW, d.Item(IDC_DONT_SHOW), 0, {0, 0}};
        helpAnswer = SendMessageW(d.m_hWnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        PostMessageW(d.Item(IDC_DONT_SHOW), WM_KEYDOWN, VK_F1, 0);
        PostMessageW(d.Item(IDC_DONT_SHOW), WM_KEYUP, VK_F1, 0);
        PostMessageW(d.Item(IDC_BUTTON_OK), BM_CLICK, 0, 0);
        bOpenAfterHelp = IsWindow(d.m_hWnd);
    });
    EXPECT_EQ(TRUE, helpAnswer);
    EXPECT_TRUE(bOpenAfterHelp);
    EXPECT_EQ(IDOK, result);
}

TEST_F(InfoDialog, ModeNameVersionComesFromTheLibraryInSetupModeAndFromTheStoreInNormalMode) {
    m_machine.SetDword(L"CapableModes", 0x40);
    m_settings.SetDword(L"ModeNameVer", 1);
    const auto close = [](CScriptedInfoDlg& d) { d.PostMessage(WM_CLOSE); };
    Run(false, close);
    EXPECT_EQ(1, m_nModeNameVer) << "stored version wins in normal mode";
    Run(true, close);
    EXPECT_EQ(4, m_nModeNameVer);
    EXPECT_EQ(std::optional<DWORD>(4), m_settings.Get(L"ModeNameVer"));
    m_machine.SetDword(L"Fail_GetCapableModes", 3);
    Run(true, close);
    EXPECT_EQ(2, m_nModeNameVer);
    EXPECT_EQ(std::optional<DWORD>(2), m_settings.Get(L"ModeNameVer"));
}

TEST_F(InfoDialog, FeatureLibraryIsAskedInTheDocumentedOrderAndLeftFinalised) {
    const testsupport::ScratchFolder scratch;
    const auto log = scratch / L"calls.txt";
    m_machine.SetString(L"CallLog", log.wstring());
    Run(true, [](CScriptedInfoDlg& d) { d.PostMessage(WM_CLOSE); });
    EXPECT_EQ(
        "NWLB_InitializeDll -> 0\r\nNWLB_IsSupportMusic -> 0\r\nNWLB_InitializeDll -> 0\r\n"
        "NWLB_GetCapableModes -> 0\r\nNWLB_FinalizeDll -> 0\r\n",
        testsupport::ReadTextFile(log));
}

TEST_F(InfoDialog, OpensAtOnceAndWorksWhenTheBrowserNeverDeliversADocument) {
    DWORD dwOpened = 0;
    const DWORD dwStart = GetTickCount();
    bool bHasBrowserWindow = false;
    const INT_PTR result = Run(false, [&](CScriptedInfoDlg& d) {
        dwOpened = GetTickCount() - dwStart;
        bHasBrowserWindow = IsWindow(d.Item(IDC_BROWSER));
        // Enter in the page view counts like Enter anywhere else.
        HWND hPage = d.Browser().BrowserWindow();
        PostMessageW(hPage ? hPage : d.Item(IDC_BROWSER), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_TRUE(bHasBrowserWindow);
    // A wait for the document would take 2 s or more here.
    EXPECT_LT(dwOpened, 1900u);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::optional<DWORD>(0), m_settings.Get(L"DontShowInfo"));
}

TEST_F(InfoDialog, PageOfTheVersionAndLanguageIsWrittenWhenItsDocumentComesEvenLate) {
    // The German module of the program, copied beside this test program.
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring strProgram = szPath;
    strProgram = strProgram.substr(0, strProgram.find_last_of(L'\\') + 1) + L"NodwellInfo.exe";
    const crvUiVista::LanguageModule german = crvUiVista::LanguageModule::Load(strProgram, 0x0407);
    ASSERT_TRUE(german);
    const HINSTANCE hEnglish = GetModuleHandleW(nullptr);
    const auto hGerman = static_cast<HINSTANCE>(german.Handle());
    const struct {
        const char* what;
        DWORD dwMask;
        HINSTANCE hTexts;
        UINT nPage;
        DWORD dwDocumentAfterMs;  // 0: there at once
    } cases[] = {
        {"version 1, English", 0x06, hEnglish, 137, 0},
        {"version 4, English", 0x40, hEnglish, 150, 0},
        {"version 1, German", 0x02, hGerman, 137, 0},
        {"version 2, German, the document after 3 s", 0x18, hGerman, 150, 3000},
    };
    for (const auto& c : cases) {
        m_machine.SetDword(L"CapableModes", c.dwMask);
        AfxSetResourceHandle(c.hTexts);
        ScriptedBrowser engine({ScriptedBrowser::Failure::None, c.dwDocumentAfterMs == 0, true});
        std::vector<std::wstring> callsAtOpen;
        Run(true, [&](CScriptedInfoDlg& d) {
            callsAtOpen = engine.Calls();
            const HWND hDialog = d.m_hWnd;
            RunLater(c.dwDocumentAfterMs, [&engine, hDialog] {
                engine.CompleteDocument();
                PostMessageW(hDialog, WM_CLOSE, 0, 0);
            });
        });
        AfxSetResourceHandle(hEnglish);
        const std::vector<std::wstring> expectedAtOpen =
            c.dwDocumentAfterMs ? std::vector<std::wstring>{L"navigate about:blank"}
                                : std::vector<std::wstring>(kPageShownAndClosed.begin(), kPageShownAndClosed.end() - 1);
        EXPECT_EQ(expectedAtOpen, callsAtOpen) << c.what;
        EXPECT_EQ(kPageShownAndClosed, engine.Calls()) << c.what;
        EXPECT_EQ(LoadHtmlResource(c.hTexts, c.nPage), engine.WrittenText()) << c.what;
        EXPECT_EQ(c.hTexts == hGerman, engine.WrittenText().find(L"[Einrichtung]") != std::wstring::npos) << c.what;
        ExpectEverythingReleased(engine, c.what);
    }
}

TEST_F(InfoDialog, TextSizeThatCannotBeReadIsLeftAsItIs) {
    ScriptedBrowser engine({ScriptedBrowser::Failure::None, true, true, -1});
    Run(false, [](CScriptedInfoDlg& d) { d.PostMessage(WM_CLOSE); });
    const std::vector<std::wstring> expected(kPageShownAndClosed.begin(), kPageShownAndClosed.end() - 2);
    EXPECT_EQ(expected, engine.Calls());
    ExpectEverythingReleased(engine, "unreadable size");
}

TEST_F(InfoDialog, KeysInThePageReachItWhileEnterAndEscapeStillCloseTheDialog) {
    const struct {
        WPARAM wClosingKey;
        INT_PTR result;
    } cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
    for (const auto& c : cases) {
        ScriptedBrowser engine({ScriptedBrowser::Failure::None, true, true});
        const INT_PTR result = Run(false, [&](CScriptedInfoDlg&) {
            // The user clicks into the page, which makes it the active object, then types.
            const HWND hPage = engine.PageWindow();
            SetFocus(hPage);
            PostMessageW(hPage, WM_KEYDOWN, VK_TAB, 0);
            PostMessageW(hPage, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(hPage, WM_KEYDOWN, c.wClosingKey, 0);
        });
        EXPECT_EQ(c.result, result) << c.wClosingKey;
        const std::vector<std::pair<UINT, WPARAM>> expected = {{WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_DOWN}};
        EXPECT_EQ(expected, engine.OfferedKeys()) << c.wClosingKey;
        ExpectEverythingReleased(engine, "keys");
    }
}

// Wine has no engine: the scripted one records what is offered to it, and asks the program's
// site about keys and its context menu as the engine does.
TEST_F(InfoDialog, OnlyKeysThatReadThePageReachTheEngineAndItsContextMenuNever) {
    enum Modifiers { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
    const struct {
        const char* what;
        WPARAM wKey;
        int modifiers;
        bool bEngine;
    } cases[] = {
        {"Tab", VK_TAB, kNone, true},
        {"Shift+Tab", VK_TAB, kShift, true},
        {"Down", VK_DOWN, kNone, true},
        {"Up", VK_UP, kNone, true},
        {"Left", VK_LEFT, kNone, true},
        {"Shift+Right", VK_RIGHT, kShift, true},
        {"Page Down", VK_NEXT, kNone, true},
        {"Page Up", VK_PRIOR, kNone, true},
        {"Ctrl+Home", VK_HOME, kCtrl, true},
        {"Shift+End", VK_END, kShift, true},
        {"Ctrl+A", 'A', kCtrl, true},
        {"Ctrl+C", 'C', kCtrl, true},
        {"a letter typed", 'C', kNone, false},
        {"F5 reloads", VK_F5, kNone, false},
        {"Ctrl+F5 reloads", VK_F5, kCtrl, false},
        {"Ctrl+R reloads", 'R', kCtrl, false},
        {"Backspace goes back", VK_BACK, kNone, false},
        {"Alt+Left goes back", VK_LEFT, kAlt, false},
        {"Alt+Right goes forward", VK_RIGHT, kAlt, false},
        {"Alt+Home goes home", VK_HOME, kAlt, false},
        {"the keyboard's back key", VK_BROWSER_BACK, kNone, false},
        {"Ctrl+N opens a window", 'N', kCtrl, false},
        {"Ctrl+O opens a file", 'O', kCtrl, false},
        {"Ctrl+P prints", 'P', kCtrl, false},
        {"Ctrl+L asks an address", 'L', kCtrl, false},
        {"F6 goes to the address", VK_F6, kNone, false},
        {"Ctrl+F finds", 'F', kCtrl, false},
        {"F3 finds", VK_F3, kNone, false},
        {"Ctrl+Tab changes frame", VK_TAB, kCtrl, false},
    };
    ScriptedBrowser engine({ScriptedBrowser::Failure::None, true, true});
    Run(false, [&](CScriptedInfoDlg& d) {
        BYTE saved[256] = {};
        GetKeyboardState(saved);
        for (const auto& c : cases) {
            BYTE state[256] = {};
            if (c.modifiers & kShift) state[VK_SHIFT] = 0x80;
            if (c.modifiers & kCtrl) state[VK_CONTROL] = 0x80;
            if (c.modifiers & kAlt) state[VK_MENU] = 0x80;
            SetKeyboardState(state);
            SetFocus(engine.PageWindow());
            const size_t nOffered = engine.OfferedKeys().size();
            const UINT message = (c.modifiers & kAlt) ? WM_SYSKEYDOWN : WM_KEYDOWN;
            MSG msg{engine.PageWindow(), message, c.wKey, 0, 0, {}};
            EXPECT_TRUE(d.PreTranslateMessage(&msg)) << c.what << ": taken by the engine or by nobody";
            EXPECT_EQ(c.bEngine, engine.OfferedKeys().size() > nOffered) << c.what;
            // Should the key reach the engine by its own window, the site keeps it from it.
            EXPECT_EQ(!c.bEngine, engine.SiteKeepsKey(msg)) << c.what;
        }
        SetKeyboardState(saved);
        EXPECT_TRUE(engine.SiteKeepsContextMenu());
        d.PostMessage(WM_CLOSE);
    });
    ExpectEverythingReleased(engine, "page keys");
}
