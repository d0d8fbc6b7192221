#pragma once
// The picture in the dialog's header: bitmap 141 scaled once, smoothly, onto the header colour
// and shown unchanged in control 1003 whenever it paints.
#include <windows.h>

#include "Afx.h"
#include "GdiObject.h"

class CHeaderPicture : public CStatic {
public:
    // Renders the picture at the control's client size.
    void Render(HMODULE hModule, UINT nBitmapId, COLORREF crBackground);
    bool HasSurface() const { return static_cast<bool>(m_surface); }

private:
    void OnPaint();

    crvUiVista::OwnedBitmap m_surface;
    SIZE m_size{};

    DECLARE_MESSAGE_MAP()
};
