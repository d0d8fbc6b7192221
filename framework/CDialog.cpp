#include "CDialog.h"

#include "CWinApp.h"

namespace {
// Every message is handled through the dialog object's subclass.
INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
    ON_COMMAND(IDOK, OnOKCommand)
    ON_COMMAND(IDCANCEL, OnCancelCommand)
END_MESSAGE_MAP()

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd) rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEndModal = true;
    // Wake the modal loop.
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

INT_PTR CDialog::DoModal() {
    HINSTANCE hInstance = AfxGetInstanceHandle();
    HRSRC hResource = ::FindResourceW(hInstance, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInstance, hResource) : nullptr;
    if (!hTemplate) return -1;

    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const bool bParentEnabled = hParent && ::IsWindowEnabled(hParent);
    if (bParentEnabled) ::EnableWindow(hParent, FALSE);
    m_bEndModal = false;
    m_nModalResult = -1;
    {
        afx::CreationScope scope(this);
        ::CreateDialogIndirectParamW(hInstance, static_cast<LPCDLGTEMPLATEW>(::LockResource(hTemplate)), hParent,
                                     NoDialogProc, 0);
    }
    if (m_hWnd && !m_bEndModal) {
        afx::MessageLoopScope loop;
        MSG msg{};
        while (!m_bEndModal) {
            const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                // Leave the quit message for the loop outside this one.
                if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (!afx::PreTranslateInChain(m_hWnd, &msg) && !::IsDialogMessageW(m_hWnd, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            afx::DeleteTempMap();
        }
    }
    if (bParentEnabled) {
        ::EnableWindow(hParent, TRUE);
        ::SetActiveWindow(hParent);
    }
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}
