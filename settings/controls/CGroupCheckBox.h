#pragma once
// Turns a group box of a dialog template into a group frame whose caption is a working check
// box. The group box itself is hidden; it keeps answering for the check box (check state,
// focus, enabling), and the parent receives the check box's commands under its own id.
#include "Afx.h"

class CGroupCheckBox : public CButton {
public:
    CGroupCheckBox() = default;
    ~CGroupCheckBox() override = default;

    // Before the group box is attached.
    void SetIds(UINT nCaptionId, UINT nCheckBoxId, UINT nFrameId);
    void SetScale(int nScale) { m_nScale = nScale; }

    int GetCheck() const { return m_checkBox.GetCheck(); }
    void SetCheck(int nCheck) { m_checkBox.SetCheck(nCheck); }

    // Lays the check box over the frame's top edge, sized to its caption in the group box's
    // font; again whenever the frame or the fonts change.
    void PlaceCheckBox();

    // The visible pieces, for the dialog's layouts and focus moves.
    CButton& GetCheckBox() { return m_checkBox; }
    CButton& GetFrame() { return m_frame; }

protected:
    // Attached to a group box that already exists (by the dialog's data exchange).
    void PreSubclassWindow() override;

private:
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    void OnSetFocus(CWnd* pOldWnd);
    void OnEnable(BOOL bEnable);

    CButton m_checkBox;
    CButton m_frame;
    UINT m_nCheckBoxId = 0;
    UINT m_nFrameId = 0;
    UINT m_nCaptionId = 0;
    int m_nScale = 96;

    DECLARE_MESSAGE_MAP()
};
