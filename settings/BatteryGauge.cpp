#include "BatteryGauge.h"

#include <string>

#include "ColourScheme.h"
#include "AccessibleControls.h"
#include "GaugeGeometry.h"
#include "resource.h"

using crvUiVista::OwnedBitmap;
using crvUiVista::OwnedMemoryDc;
using crvUiVista::SelectionScope;

namespace {

// MaskBlt: where the mask is 1 the marker is copied, where it is 0 the gauge stays.
constexpr DWORD kKeepDestination = 0x00AA0029;

SIZE ClientSize(HWND hWnd) {
    RECT rect{};
    ::GetClientRect(hWnd, &rect);
    return SIZE{rect.right, rect.bottom};
}

RECT RectInParent(HWND hWnd) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A label drawn transparently leaves its old text behind unless the dialog repaints under it.
void RepaintInDialog(HWND hDialog, const RECT& rect) {
    ::RedrawWindow(hDialog, &rect, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace

bool BatteryGauge::Prepare(HWND hDialog, HWND hArea, HWND hLevelValue, HWND hLevelLabel, HBRUSH hBackground,
                           HMODULE hImages) {
    m_hDialog = hDialog;
    m_hArea = hArea;
    m_hLevelValue = hLevelValue;
    m_hLevelLabel = hLevelLabel;
    m_hImages = hImages;
    m_rcArea = RectInParent(hArea);
    m_drawn.reset();
    const SIZE size = ClientSize(hArea);
    m_rcBar = GaugeGeometry::InnerBar(size.cx);

    crvUiVista::WindowDc screen(hDialog);
    OwnedMemoryDc frameDc(::CreateCompatibleDC(screen));
    OwnedMemoryDc gaugeDc(::CreateCompatibleDC(screen));
    OwnedBitmap frameBitmap(::CreateCompatibleBitmap(screen, size.cx, size.cy));
    OwnedBitmap gaugeBitmap(::CreateCompatibleBitmap(screen, size.cx, size.cy));
    if (!frameDc || !gaugeDc || !frameBitmap || !gaugeBitmap) return false;
    // Each surface stays selected into its context for the gauge's life.
    ::SelectObject(frameDc.get(), frameBitmap.get());
    ::SelectObject(gaugeDc.get(), gaugeBitmap.get());
    m_frameBitmap = std::move(frameBitmap);
    m_gaugeBitmap = std::move(gaugeBitmap);
    m_frameDc = std::move(frameDc);
    m_gaugeDc = std::move(gaugeDc);

    const RECT all{0, 0, size.cx, size.cy};
    ::FillRect(m_frameDc.get(), &all, hBackground);
    DrawFrame(m_frameDc.get(), size.cx);
    return true;
}

void BatteryGauge::DrawFrame(HDC hDC, int nWidth) const {
    if (crvUiVista::ColourScheme::IsHighContrast()) {
        // A frame line in the text colour around the window colour the area is filled with.
        const RECT frame{0, GaugeGeometry::kFrameTop, nWidth, GaugeGeometry::kFrameTop + GaugeGeometry::kFrameHeight};
        ::FrameRect(hDC, &frame, ::GetSysColorBrush(COLOR_WINDOWTEXT));
        return;
    }
    const OwnedMemoryDc sourceDc(::CreateCompatibleDC(hDC));
    const auto draw = [&](UINT nId, int x) {
        const OwnedBitmap bitmap = crvUiVista::LoadBitmapResource(m_hImages, nId);
        if (!bitmap) return;
        const SIZE size = crvUiVista::BitmapSize(bitmap.get());
        SelectionScope selected(sourceDc.get(), bitmap.get());
        ::BitBlt(hDC, x, GaugeGeometry::kFrameTop, size.cx, size.cy, sourceDc.get(), 0, 0, SRCCOPY);
    };
    const int nCap = GaugeGeometry::kCapWidth;
    draw(IDB_GAUGE_CAP_LEFT, 0);
    const OwnedBitmap middle = crvUiVista::LoadBitmapResource(m_hImages, IDB_GAUGE_MIDDLE);
    if (middle) {
        SelectionScope selected(sourceDc.get(), middle.get());
        const int nHeight = crvUiVista::BitmapSize(middle.get()).cy;
        for (int x = nCap; x < nWidth - nCap; ++x) {
            ::BitBlt(hDC, x, GaugeGeometry::kFrameTop, 1, nHeight, sourceDc.get(), 0, 0, SRCCOPY);
        }
    }
    draw(IDB_GAUGE_CAP_RIGHT, nWidth - nCap);
}

void BatteryGauge::FillTo(int nFrom, int nTo, UINT nTileId) const {
    if (crvUiVista::ColourScheme::IsHighContrast()) {
        FillInSystemColours(nFrom, nTo, nTileId == IDB_GAUGE_LIMIT);
        return;
    }
    const OwnedBitmap tile = crvUiVista::LoadBitmapResource(m_hImages, nTileId);
    if (!tile || nTo <= nFrom) return;
    const OwnedMemoryDc sourceDc(::CreateCompatibleDC(m_gaugeDc.get()));
    SelectionScope selected(sourceDc.get(), tile.get());
    const SIZE size = crvUiVista::BitmapSize(tile.get());
    for (int x = nFrom; x < nTo; x += size.cx) {
        ::BitBlt(m_gaugeDc.get(), x, m_rcBar.top, std::min<int>(size.cx, nTo - x), size.cy, sourceDc.get(), 0, 0,
                 SRCCOPY);
    }
}

// The level in the selection colour; the part below the limit hatched in the text colour, so
// that it stands apart from the level in any scheme.
void BatteryGauge::FillInSystemColours(int nFrom, int nTo, bool bBelowLimit) const {
    if (nTo <= nFrom) return;
    const RECT part{nFrom, m_rcBar.top, nTo, m_rcBar.top + GaugeGeometry::kFillHeight};
    if (!bBelowLimit) {
        ::FillRect(m_gaugeDc.get(), &part, ::GetSysColorBrush(COLOR_HIGHLIGHT));
        return;
    }
    const crvUiVista::OwnedBrush hatch(::CreateHatchBrush(HS_BDIAGONAL, ::GetSysColor(COLOR_WINDOWTEXT)));
    const int previousMode = ::SetBkMode(m_gaugeDc.get(), OPAQUE);
    const COLORREF previousColour = ::SetBkColor(m_gaugeDc.get(), ::GetSysColor(COLOR_WINDOW));
    ::FillRect(m_gaugeDc.get(), &part, hatch.get());
    ::SetBkColor(m_gaugeDc.get(), previousColour);
    ::SetBkMode(m_gaugeDc.get(), previousMode);
}

void BatteryGauge::DrawMarker(int nPoint, UINT nBitmapId, UINT nMaskId) const {
    const OwnedBitmap marker = crvUiVista::LoadBitmapResource(m_hImages, nBitmapId);
    // The mask as a device-dependent monochrome bitmap, which is what MaskBlt takes.
    const OwnedBitmap mask(static_cast<HBITMAP>(
        ::LoadImageW(m_hImages, MAKEINTRESOURCEW(nMaskId), IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
    if (!marker || !mask) return;
    const OwnedMemoryDc sourceDc(::CreateCompatibleDC(m_gaugeDc.get()));
    SelectionScope selected(sourceDc.get(), marker.get());
    const SIZE size = crvUiVista::BitmapSize(marker.get());
    // In high contrast the marker's shape is filled with the text colour.
    const bool bHighContrast = crvUiVista::ColourScheme::IsHighContrast();
    SelectionScope brush(m_gaugeDc.get(), bHighContrast ? ::GetSysColorBrush(COLOR_WINDOWTEXT)
                                                        : ::GetCurrentObject(m_gaugeDc.get(), OBJ_BRUSH));
    ::MaskBlt(m_gaugeDc.get(), nPoint - GaugeGeometry::kMarkerHalfWidth, 0, size.cx, size.cy, sourceDc.get(), 0, 0,
              mask.get(), 0, 0, MAKEROP4(bHighContrast ? PATCOPY : SRCCOPY, kKeepDestination));
}

void BatteryGauge::Redraw(bool bShowLimit, int nLimit, bool bDragging, int nPrevLimit) {
    if (!m_gaugeDc) return;
    const PowerStatusSource& source = m_pSource ? *m_pSource : m_systemSource;
    bool bLevelChanged = false;
    if (const std::optional<BatteryReading> reading = BatteryLevel(source)) {
        if (reading->nPercent != m_nLevel) {
            m_nLevel = reading->nPercent;
            bLevelChanged = true;
            ::SetWindowTextW(m_hLevelValue, (std::to_wstring(m_nLevel) + L"%").c_str());
        }
        if (bLevelChanged || reading->bKnown != m_bLevelKnown) {
            m_bLevelKnown = reading->bKnown;
            crvUiVista::NotifyAccessibleValueChange(m_hArea);
        }
    }
    const int nLevel = m_nLevel < 0 ? 0 : m_nLevel;
    // Drawing what is shown whole already would only repaint the dialog under the gauge.
    if (!bDragging && m_drawn && m_drawn->bShowLimit == bShowLimit && m_drawn->nLimit == nLimit &&
        m_drawn->nLevel == nLevel) {
        return;
    }
    // A drag repaints only its strip: the next redraw after it repaints the whole gauge.
    m_drawn.reset();
    if (!bDragging) m_drawn = Drawn{bShowLimit, nLimit, nLevel};

    const SIZE size = ClientSize(m_hArea);
    ::BitBlt(m_gaugeDc.get(), 0, 0, size.cx, size.cy, m_frameDc.get(), 0, 0, SRCCOPY);
    const int nLimitPoint = GaugeGeometry::PercentPoint(m_rcBar, nLimit);
    int nGreenFrom = m_rcBar.left;
    if (bShowLimit) {
        FillTo(m_rcBar.left, nLimitPoint, IDB_GAUGE_LIMIT);
        nGreenFrom = nLimitPoint + 1;
    }
    const int nLevelPoint = GaugeGeometry::PercentPoint(m_rcBar, nLevel);
    FillTo(nGreenFrom, nLevelPoint, IDB_GAUGE_LEVEL);
    if (bShowLimit) DrawMarker(nLimitPoint, IDB_MARKER_LIMIT, IDB_MARKER_LIMIT_MASK);
    DrawMarker(nLevelPoint, IDB_MARKER_LEVEL, IDB_MARKER_LEVEL_MASK);

    RECT dirty = m_rcArea;
    if (bDragging) {
        const POINT strip = GaugeGeometry::DragStrip(m_rcBar.right - m_rcBar.left, nPrevLimit, nLimit);
        dirty.left = m_rcArea.left + strip.x;
        dirty.right = m_rcArea.left + strip.y;
        ::IntersectRect(&dirty, &dirty, &m_rcArea);
    }
    ::InvalidateRect(m_hDialog, &dirty, FALSE);

    if (bLevelChanged) PlaceLevelLabels();
}

void BatteryGauge::PlaceLevelLabels() const {
    const int nLevelPoint = m_rcArea.left + GaugeGeometry::PercentPoint(m_rcBar, m_nLevel);
    for (HWND hLabel : {m_hLevelValue, m_hLevelLabel}) {
        const RECT old = RectInParent(hLabel);
        const int nWidth = old.right - old.left;
        const GaugeGeometry::LabelPlacement placed =
            GaugeGeometry::PlaceLabel(nLevelPoint, nWidth, m_rcArea.left, m_rcArea.right);
        DWORD dwAlign = SS_CENTER;
        if (placed.align == GaugeGeometry::LabelAlign::Left) dwAlign = SS_LEFT;
        if (placed.align == GaugeGeometry::LabelAlign::Right) dwAlign = SS_RIGHT;
        const LONG_PTR style = ::GetWindowLongPtrW(hLabel, GWL_STYLE);
        ::SetWindowLongPtrW(hLabel, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | dwAlign);
        ::SetWindowPos(hLabel, nullptr, placed.nLeft, old.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RepaintInDialog(m_hDialog, old);
        RepaintInDialog(m_hDialog, RectInParent(hLabel));
    }
}

void BatteryGauge::Paint(HDC hDialogDc) const {
    if (!m_gaugeDc) return;
    ::BitBlt(hDialogDc, m_rcArea.left, m_rcArea.top, m_rcArea.right - m_rcArea.left, m_rcArea.bottom - m_rcArea.top,
             m_gaugeDc.get(), 0, 0, SRCCOPY);
}
