#pragma once
// The battery gauge under the lower-limit slider: the current level in green, the part below
// the limit in red while operation on battery is active, a marker at each point, and the
// level written under its marker. Drawn off-screen from the program's bitmaps (in high
// contrast, in the system's colours) and copied to the dialog when it paints.
#include <windows.h>

#include <optional>

#include "GdiObject.h"
#include "PowerStatusSource.h"

class BatteryGauge {
public:
    BatteryGauge() = default;
    BatteryGauge(const BatteryGauge&) = delete;
    BatteryGauge& operator=(const BatteryGauge&) = delete;

    void SetPowerStatusSource(const PowerStatusSource& source) { m_pSource = &source; }

    // Creates the surfaces and the empty frame for the gauge area hArea of hDialog (its size
    // as laid out now), with the labels of the level; false when a surface cannot be made, and
    // the gauge then stays unpainted.
    bool Prepare(HWND hDialog, HWND hArea, HWND hLevelValue, HWND hLevelLabel, HBRUSH hBackground, HMODULE hImages);

    // Draws the gauge again. The limit part shows only with bShowLimit. While dragging, only
    // the strip between the previous and the new limit is repainted.
    void Redraw(bool bShowLimit, int nLimit, bool bDragging = false, int nPrevLimit = 0);

    // Copies the gauge to its area.
    void Paint(HDC hDialogDc) const;

    // The gauge area in the dialog's client coordinates.
    RECT GetArea() const { return m_rcArea; }
    RECT GetBar() const { return m_rcBar; }
    int GetLevel() const { return m_nLevel; }
    // False while the system reports no battery or does not know its level (shown as 0).
    bool IsLevelKnown() const { return m_bLevelKnown; }
    // The drawn gauge, for reading its pixels; null before Prepare succeeded.
    HDC GetSurfaceDc() const { return m_gaugeDc.get(); }

private:
    void DrawFrame(HDC hDC, int nWidth) const;
    void FillTo(int nFrom, int nTo, UINT nTileId) const;
    void FillInSystemColours(int nFrom, int nTo, bool bBelowLimit) const;
    void DrawMarker(int nPoint, UINT nBitmapId, UINT nMaskId) const;
    void PlaceLevelLabels() const;

    HWND m_hDialog = nullptr;
    HWND m_hArea = nullptr;
    HWND m_hLevelValue = nullptr;
    HWND m_hLevelLabel = nullptr;
    HMODULE m_hImages = nullptr;
    const PowerStatusSource* m_pSource = nullptr;
    PowerStatusSource m_systemSource;
    RECT m_rcArea{};
    RECT m_rcBar{};
    int m_nLevel = -1;  // none shown yet, so that the first redraw writes the label
    bool m_bLevelKnown = false;
    // What the gauge shows, repainted whole; nothing before the first redraw and after a drag.
    struct Drawn {
        bool bShowLimit;
        int nLimit;
        int nLevel;
    };
    std::optional<Drawn> m_drawn;
    // Bitmaps before their device contexts: the contexts go first, releasing them.
    crvUiVista::OwnedBitmap m_frameBitmap;
    crvUiVista::OwnedBitmap m_gaugeBitmap;
    crvUiVista::OwnedMemoryDc m_frameDc;
    crvUiVista::OwnedMemoryDc m_gaugeDc;
};
