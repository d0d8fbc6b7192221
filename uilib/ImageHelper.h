#pragma once
// Bitmaps of the program's resources drawn scaled through GDI+, for the smooth interpolation
// modes that GDI's StretchBlt does not have.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace crvUiVista {

// GDI+ for the life of the program: started before the first dialog, shut down at the end.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};

// Draws bitmap nId of hModule, whole, into rcDest of hDC; false when it cannot be loaded or drawn.
bool DrawResourceBitmap(HDC hDC, const RECT& rcDest, HMODULE hModule, UINT nId, Gdiplus::InterpolationMode mode);

}  // namespace crvUiVista
