#include <gtest/gtest.h>

#include "FrameworkTestIds.h"
#include "TestWindows.h"

namespace {

class CCountingButton : public CButton {
public:
    int attachments = 0;

protected:
    void PreSubclassWindow() override { ++attachments; }
};

// Ends itself from inside its modal loop by the script a test gives it.
class CTestDialog : public CDialog {
public:
    explicit CTestDialog(CWnd* pParent = nullptr, UINT nIDTemplate = IDD_TEST) : CDialog(nIDTemplate, pParent) {}

    std::function<void(CTestDialog&)> onInit;
    std::vector<MSG> keyPresses;
    CCountingButton m_action;
    HWND boundAction = nullptr;
    bool parentEnabledWhileOpen = true;

    CWnd* Child(int nID) { return GetDlgItem(nID); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_ACTION, m_action);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        boundAction = m_action.m_hWnd;
        if (m_pParentWnd) parentEnabledWhileOpen = m_pParentWnd->IsWindowEnabled();
        if (onInit) onInit(*this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F5) {
            keyPresses.push_back(*pMsg);
            EndDialog(77);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
};

}  // namespace

TEST(Dialog, DataExchangeBindsTemplateControlsOnceAndEndsWithTheirWindows) {
    CTestDialog dialog;
    dialog.onInit = [](CTestDialog& d) {
        d.UpdateData(FALSE);  // binding twice keeps the first attachment
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_NE(nullptr, dialog.boundAction);
    EXPECT_EQ(1, dialog.m_action.attachments);
    EXPECT_FALSE(IsWindow(dialog.boundAction));
    EXPECT_EQ(nullptr, dialog.m_action.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(Dialog, ModalLoopOffersKeyPressesInAnyChildToTheDialogFirst) {
    CTestDialog dialog;
    HWND edit = nullptr;
    dialog.onInit = [&](CTestDialog& d) {
        edit = d.Child(IDC_EDIT)->m_hWnd;
        ::PostMessageW(edit, WM_KEYDOWN, VK_F5, 0);
    };
    EXPECT_EQ(77, dialog.DoModal());
    ASSERT_EQ(1u, dialog.keyPresses.size());
    EXPECT_EQ(edit, dialog.keyPresses[0].hwnd);
}

TEST(Dialog, CancelCommandAndCloseBoxEndThroughOnCancel) {
    for (UINT message : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
        CTestDialog dialog;
        dialog.onInit = [message](CTestDialog& d) {
            if (message == WM_COMMAND) {
                d.PostMessage(WM_COMMAND, IDCANCEL);
            } else {
                d.PostMessage(WM_CLOSE);
            }
        };
        EXPECT_EQ(IDCANCEL, dialog.DoModal()) << message;
    }
}

TEST(Dialog, ParentIsDisabledWhileTheDialogRuns) {
    HostWindow host;
    CTestDialog dialog(&host);
    dialog.onInit = [](CTestDialog& d) { d.PostMessage(WM_COMMAND, IDOK); };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_FALSE(dialog.parentEnabledWhileOpen);
    EXPECT_TRUE(host.IsWindowEnabled());
}

TEST(Dialog, MissingTemplateFailsWithoutAWindow) {
    CTestDialog dialog(nullptr, 4242);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}
