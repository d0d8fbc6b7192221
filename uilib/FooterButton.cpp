#include "FooterButton.h"

#include <string>

#include "ColourScheme.h"
#include "GdiObject.h"
#include "Scale.h"
#include "TextExtent.h"
#include "UiResourceTable.h"

namespace crvUiVista {

namespace {

constexpr COLORREF kPressedTextColour = RGB(255, 255, 255);
constexpr COLORREF kDisabledTextColour = RGB(134, 137, 103);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

std::wstring WindowText(HWND hWnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(FooterButton, CWnd)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

int FooterButtonHeight(int nScale) {
    const ButtonSet& buttons = GetButtonSet();
    const OwnedBitmap normal = LoadBitmapResource(buttons.hModule, buttons.nNormalId);
    return normal ? Scaled(BitmapSize(normal.get()).cy, nScale) : 0;
}

bool FooterButton::Attach(HWND hButton, int nScale) {
    if (!SubclassWindow(hButton)) return false;
    m_nScale = nScale;
    // The type bits of a button style are one value, not flags: replace, do not combine.
    const LONG_PTR style = ::GetWindowLongPtrW(hButton, GWL_STYLE);
    ::SetWindowLongPtrW(hButton, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    if (const int height = FooterButtonHeight(nScale); height > 0) {
        const RECT rect = GetWindowRect();
        SetWindowPos(nullptr, 0, 0, rect.right - rect.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

int FooterButton::GetPreferredWidth() const {
    const std::wstring text = WindowText(m_hWnd);
    if (text.empty()) return 0;
    return MeasureText(GetFont(), text, DT_SINGLELINE | DT_CENTER).cx;
}

bool FooterButton::Draw(const DRAWITEMSTRUCT& item) const {
    if (!m_hWnd || item.hwndItem != m_hWnd) return false;
    if (ColourScheme::IsHighContrast()) {
        // A plain button in the system's colours instead of the bitmap faces.
        RECT face = item.rcItem;
        ::DrawFrameControl(item.hDC, &face, DFC_BUTTON,
                           DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    } else {
        DrawFace(item.hDC, item.rcItem, FaceId(item.itemState));
    }
    // As the system's buttons: no focus rectangle while the window hides keyboard cues.
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -1, -1);
        ::DrawFocusRect(item.hDC, &focus);
    }
    DrawCaption(item.hDC, item.rcItem, item.itemState);
    return true;
}

UINT FooterButton::FaceId(UINT nItemState) const {
    const ButtonSet& buttons = GetButtonSet();
    if (nItemState & ODS_SELECTED) return buttons.nPressedId;
    return m_bHover ? buttons.nHotId : buttons.nNormalId;
}

// Three slices: the first and last columns keep the rounded ends, the inner columns stretch.
void FooterButton::DrawFace(HDC hDC, const RECT& rcItem, UINT nFaceId) const {
    const OwnedBitmap face = LoadBitmapResource(GetButtonSet().hModule, nFaceId);
    if (!face) return;
    const SIZE size = BitmapSize(face.get());
    const OwnedMemoryDc source(::CreateCompatibleDC(hDC));
    if (!source || size.cx < 3) return;
    SelectionScope selected(source.get(), face.get());

    const int height = m_nScale > kBaseScale ? Scaled(size.cy, m_nScale) : size.cy;
    const int left = rcItem.left;
    const int right = rcItem.right;
    const int top = rcItem.top;
    const int previousMode = ::SetStretchBltMode(hDC, HALFTONE);
    POINT previousOrigin{};
    ::SetBrushOrgEx(hDC, 0, 0, &previousOrigin);
    ::StretchBlt(hDC, left, top, 1, height, source.get(), 0, 0, 1, size.cy, SRCCOPY);
    ::StretchBlt(hDC, left + 1, top, right - left - 2, height, source.get(), 1, 0, size.cx - 2, size.cy, SRCCOPY);
    ::StretchBlt(hDC, right - 1, top, 1, height, source.get(), size.cx - 1, 0, 1, size.cy, SRCCOPY);
    ::SetBrushOrgEx(hDC, previousOrigin.x, previousOrigin.y, nullptr);
    ::SetStretchBltMode(hDC, previousMode);
}

void FooterButton::DrawCaption(HDC hDC, const RECT& rcItem, UINT nItemState) const {
    const std::wstring text = WindowText(m_hWnd);
    if (text.empty()) return;
    COLORREF colour = ColourScheme::Pick(kTextColour, COLOR_BTNTEXT);
    if (nItemState & ODS_SELECTED) {
        colour = ColourScheme::Pick(kPressedTextColour, COLOR_BTNTEXT);
    } else if (nItemState & ODS_DISABLED) {
        colour = ColourScheme::Pick(kDisabledTextColour, COLOR_GRAYTEXT);
    }
    SelectionScope font(hDC, GetFont());
    const int previousMode = ::SetBkMode(hDC, TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(hDC, colour);
    RECT rect = rcItem;
    const UINT nHidePrefix = (nItemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &rect,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | nHidePrefix);
    ::SetTextColor(hDC, previousColour);
    ::SetBkMode(hDC, previousMode);
}

void FooterButton::OnMouseMove(UINT, POINT) {
    if (!m_bHover) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        m_bHover = true;
        Invalidate(TRUE);
    }
    Default();
}

LRESULT FooterButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bHover = false;
    Invalidate(TRUE);
    return Default();
}

}  // namespace crvUiVista
