#include "DialogScale.h"

#include <algorithm>

int ScaleFromPictureWidth(int nPictureWidth) { return std::max(96, nPictureWidth * 96 / 45); }

RECT PlaceHeaderPicture(const RECT& rcPicture) {
    RECT rc = rcPicture;
    const int nWidth = rc.right - rc.left;
    if (rc.bottom - rc.top != nWidth) rc.bottom = rc.top + nWidth;
    if (nWidth < 48 || rc.bottom - rc.top < 48) {
        rc.right = rc.left + 48;
        rc.bottom = rc.top + 48;
    }
    return rc;
}
