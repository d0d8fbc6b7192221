// What a screen reader reads from the information dialog in both modes, and the dialog walked
// with the keyboard alone.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "AccessibleReading.h"
#include "CNodwellInfoDlg.h"
#include "NodwellSettingsKey.h"
#include "RegistrySnapshot.h"
#include "Resource.h"
#include "SimulatedMachineKey.h"

namespace {

using namespace states;
constexpr int kPage = SimpleBrowser::kBrowserControlId;

// Runs a script once the dialog is shown and has given the focus to its first control.
class CShownInfoDlg : public CNodwellInfoDlg {
public:
    static constexpr UINT kRunScript = WM_APP + 0x78;
    std::function<void(CShownInfoDlg&)> script;

    BOOL OnInitDialog() override {
        const BOOL result = CNodwellInfoDlg::OnInitDialog();
        PostMessage(kRunScript);
        return result;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == kRunScript && pMsg->hwnd == m_hWnd) {
            script(*this);
            EndDialog(IDCANCEL);
            return TRUE;
        }
        return CNodwellInfoDlg::PreTranslateMessage(pMsg);
    }
};

class InfoAccessibility : public testing::Test {
protected:
    void Run(bool bSetupMode, const std::function<void(CShownInfoDlg&)>& script) {
        CShownInfoDlg dialog;
        dialog.m_bSetupMode = bSetupMode;
        dialog.script = script;
        dialog.DoModal();
    }

    SimulatedMachineKey m_machine;
    testsupport::RegistrySnapshot m_settings{NodwellSettingsKey::kPath};
};

}  // namespace

TEST_F(InfoAccessibility, EveryControlSaysWhatItShowsInEachMode) {
    const struct {
        bool bSetupMode;
        std::vector<AccessibleRow> rows;
    } tables[] = {
        {true,
         {{IDC_DONT_SHOW, L"In the future, do not display this window.", ROLE_SYSTEM_CHECKBUTTON, Fd | C, {}},
          {IDC_BUTTON_SETUP_NOW, L"Setup Now", ROLE_SYSTEM_PUSHBUTTON, F | STATE_SYSTEM_DEFAULT, {}},
          {IDC_BUTTON_CANCEL, L"Cancel", ROLE_SYSTEM_PUSHBUTTON, F, {}},
          {IDC_BUTTON_OK, L"OK", ROLE_SYSTEM_PUSHBUTTON, I | F, {}},
          {IDC_FOOTER_FILLER, L"", ROLE_SYSTEM_GRAPHIC, Decoration | U, {}},
          {IDC_HEADER_PICTURE, L"", ROLE_SYSTEM_GRAPHIC, Decoration, {}}}},
        {false,
         {{IDC_DONT_SHOW, L"Don't display help when the utility launches", ROLE_SYSTEM_CHECKBUTTON, Fd, {}},
          {IDC_BUTTON_OK, L"OK", ROLE_SYSTEM_PUSHBUTTON, F | STATE_SYSTEM_DEFAULT, {}},
          {IDC_BUTTON_SETUP_NOW, L"Setup Now", ROLE_SYSTEM_PUSHBUTTON, I | F, {}},
          {IDC_BUTTON_CANCEL, L"Cancel", ROLE_SYSTEM_PUSHBUTTON, I | F, {}},
          {IDC_FOOTER_FILLER, L"", ROLE_SYSTEM_GRAPHIC, Decoration | U, {}},
          {IDC_HEADER_PICTURE, L"", ROLE_SYSTEM_GRAPHIC, Decoration, {}}}},
    };
    for (const auto& table : tables) {
        // The box comes checked in setup mode only: the stored choice presets it.
        m_settings.SetDword(L"DontShowInfo", table.bSetupMode ? 1 : 0);
        Run(table.bSetupMode, [&](CShownInfoDlg& dialog) {
            for (const AccessibleRow& row : table.rows) {
                EXPECT_EQ(row, ReadAccessible(dialog, row.nId)) << table.bSetupMode;
            }
        });
    }
}

TEST_F(InfoAccessibility, TabAndShiftTabWalkTheControlsInReadingOrder) {
    const struct {
        bool bSetupMode;
        std::vector<int> cycle;  // from the control focused at start; the page's own window closes it
    } walks[] = {
        {true, {IDC_DONT_SHOW, IDC_BUTTON_SETUP_NOW, IDC_BUTTON_CANCEL, kPage}},
        {false, {IDC_DONT_SHOW, IDC_BUTTON_OK, kPage}},
    };
    for (const auto& walk : walks) {
        Run(walk.bSetupMode, [&](CShownInfoDlg& dialog) {
            EXPECT_EQ(walk.cycle.front(), ::GetDlgCtrlID(::GetFocus()));
            std::vector<int> forward(walk.cycle.begin() + 1, walk.cycle.end());
            forward.push_back(walk.cycle.front());
            EXPECT_EQ(forward, WalkWithTab(dialog, walk.cycle.size(), false)) << walk.bSetupMode;
            const std::vector<int> backward(walk.cycle.rbegin(), walk.cycle.rend());
            EXPECT_EQ(backward, WalkWithTab(dialog, walk.cycle.size(), true)) << walk.bSetupMode;
        });
    }
}
