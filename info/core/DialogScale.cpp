#include "DialogScale.h"

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
