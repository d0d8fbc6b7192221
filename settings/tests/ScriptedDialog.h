#pragma once
// The settings dialog created in a test program and driven with window messages; shared by the
// settings program's tests and NodwellCtl's, which compare their applies.
#include <functional>
#include <string>

#include "CNodwellSimpleDlg.h"
#include "ImageHelper.h"
#include "UiResourceTable.h"
#include "resource.h"

// What the dialog needs from the test program while it runs: GDI+, and the banner and button
// bitmaps of the program module (which holds the settings program's resources).
class DialogResources {
public:
    DialogResources() {
        const HMODULE hModule = ::GetModuleHandleW(nullptr);
        crvUiVista::RegisterHeaderBannerSet(hModule, IDB_BANNER_FILL, IDB_BANNER_END);
        crvUiVista::RegisterButtonSet(hModule, IDB_BUTTON_NORMAL, IDB_BUTTON_HOT, IDB_BUTTON_PRESSED);
    }

private:
    crvUiVista::GdiplusSession m_gdiplus;
};

// Runs a test's script once the dialog is up and its modal loop runs, then closes it unless
// the script leaves that to the dialog.
class ScriptedDialog : public CNodwellSimpleDlg {
public:
    static constexpr UINT kRunScript = WM_APP + 0x77;
    std::function<void(ScriptedDialog&)> script;
    bool bCloseAfterScript = true;

    HWND Item(int nId) const { return ::GetDlgItem(m_hWnd, nId); }
    bool Enabled(int nId) const { return ::IsWindowEnabled(Item(nId)) != FALSE; }
    bool Visible(int nId) const { return ::IsWindowVisible(Item(nId)) != FALSE; }
    bool Checked(int nId) const { return ::SendMessageW(Item(nId), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int nId) const { ::SendMessageW(Item(nId), BM_CLICK, 0, 0); }
    std::wstring Text(int nId) const {
        wchar_t szText[256] = {};
        ::GetWindowTextW(Item(nId), szText, 256);
        return szText;
    }
    SIZE WindowSize() const {
        const RECT rect = GetWindowRect();
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
    int SliderPos() const { return static_cast<int>(::SendMessageW(Item(IDC_LIMIT_SLIDER), TBM_GETPOS, 0, 0)); }

protected:
    BOOL OnInitDialog() override {
        CNodwellSimpleDlg::OnInitDialog();
        PostMessage(kRunScript);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == kRunScript && pMsg->hwnd == m_hWnd) {
            if (script) script(*this);
            if (bCloseAfterScript) EndDialog(IDCANCEL);
            return TRUE;
        }
        return CNodwellSimpleDlg::PreTranslateMessage(pMsg);
    }
};
