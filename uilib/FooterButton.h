#pragma once
// A push button of a dialog's footer painted from the program's button bitmaps: normal, hot
// while the mouse is over it, pressed while it is held down.
#include <windows.h>

#include "CWnd.h"
#include "MessageMap.h"

namespace crvUiVista {

class FooterButton : public CWnd {
public:
    FooterButton() = default;

    // Subclasses an existing push button, makes it owner-drawn and gives it the height of the
    // normal bitmap at nScale dots per inch; false when the button cannot be subclassed.
    bool Attach(HWND hButton, int nScale);

    // The width of the caption in the button's font; 0 for an empty caption.
    virtual int GetPreferredWidth() const;

    // Paints the button for an owner-draw request; requests for other windows are ignored.
    // True when the request was this button's.
    bool Draw(const DRAWITEMSTRUCT& item) const;

protected:
    // The caption, centred on one line; white while pressed, olive grey while disabled.
    virtual void DrawCaption(HDC hDC, const RECT& rcItem, UINT nItemState) const;

private:
    // Both pass the message on to the button's own handling.
    void OnMouseMove(UINT nFlags, POINT point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    UINT FaceId(UINT nItemState) const;
    void DrawFace(HDC hDC, const RECT& rcItem, UINT nFaceId) const;

    bool m_bHover = false;
    int m_nScale = 96;

    DECLARE_MESSAGE_MAP()
};

// The normal face's height at nScale, or 0 when the bitmap cannot be loaded.
int FooterButtonHeight(int nScale);

}  // namespace crvUiVista
