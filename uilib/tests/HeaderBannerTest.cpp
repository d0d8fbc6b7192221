#include <gtest/gtest.h>

#include "Canvas.h"
#include "HeaderBanner.h"
#include "UilibTestWindows.h"

using crvUiVista::HeaderBanner;

namespace {

constexpr int kEndWidth = 65;
constexpr int kEndHeight = 19;

// A captioned top-level window that hands its non-client size and paint to a banner, as the
// dialogs do.
class BannerWindow : public CWnd {
public:
    HeaderBanner banner;

    BannerWindow() {
        const RECT rect{60, 60, 460, 360};
        EXPECT_TRUE(CreateEx(0, nullptr, L"banner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, nullptr, 0));
        ::SetForegroundWindow(m_hWnd);
    }
    ~BannerWindow() override { DestroyWindow(); }

    // The client area's top-left corner relative to the window's.
    POINT ClientOrigin() const {
        POINT origin{0, 0};
        ::ClientToScreen(m_hWnd, &origin);
        const RECT window = GetWindowRect();
        return POINT{origin.x - window.left, origin.y - window.top};
    }

protected:
    void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* pParams) {
        Default();
        banner.OnNcCalcSize(pParams);
    }
    void OnNcPaint() {
        banner.OnNcPaint();
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BannerWindow, CWnd)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

SIZE SizeOf(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace

TEST(HeaderBanner, AttachingGrowsTheWindowAndPutsTheBandAboveTheClientArea) {
    struct Case {
        int scale;
        int band;
    };
    for (const Case& c : {Case{96, 19}, Case{120, 23}, Case{144, 28}}) {
        SCOPED_TRACE(c.scale);
        BannerWindow window;
        const SIZE windowBefore = SizeOf(window.GetWindowRect());
        const SIZE clientBefore = SizeOf(window.GetClientRect());
        const POINT originBefore = window.ClientOrigin();

        ASSERT_TRUE(window.banner.Attach(window.m_hWnd, c.scale));
        EXPECT_EQ(c.band, window.banner.GetHeight());
        const SIZE windowAfter = SizeOf(window.GetWindowRect());
        const SIZE clientAfter = SizeOf(window.GetClientRect());
        EXPECT_EQ(windowBefore.cx, windowAfter.cx);
        EXPECT_EQ(windowBefore.cy + c.band, windowAfter.cy);
        EXPECT_EQ(clientBefore.cx, clientAfter.cx);
        EXPECT_EQ(clientBefore.cy, clientAfter.cy) << "the band comes out of the growth, not the client area";
        EXPECT_EQ(originBefore.y + c.band, window.ClientOrigin().y);

        // Every later size computation keeps the band.
        window.SetWindowPos(nullptr, 0, 0, windowAfter.cx + 40, windowAfter.cy + 40,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(windowAfter.cy + 40 - (windowBefore.cy - clientBefore.cy) - c.band,
                  SizeOf(window.GetClientRect()).cy);
    }
}

TEST(HeaderBanner, BandShowsTheFillStretchedAndTheEndPictureAtTheRight) {
    Canvas fill(1, kEndHeight);
    Canvas end(kEndWidth, kEndHeight);
    {
        const HMODULE hModule = GetModuleHandleW(nullptr);
        const crvUiVista::OwnedBitmap fillBitmap = crvUiVista::LoadBitmapResource(hModule, IDB_BANNER_FILL);
        const crvUiVista::OwnedBitmap endBitmap = crvUiVista::LoadBitmapResource(hModule, IDB_BANNER_END);
        const crvUiVista::OwnedMemoryDc source(CreateCompatibleDC(nullptr));
        {
            crvUiVista::SelectionScope selected(source.get(), fillBitmap.get());
            BitBlt(fill.dc(), 0, 0, 1, kEndHeight, source.get(), 0, 0, SRCCOPY);
        }
        crvUiVista::SelectionScope selected(source.get(), endBitmap.get());
        BitBlt(end.dc(), 0, 0, kEndWidth, kEndHeight, source.get(), 0, 0, SRCCOPY);
    }
    BannerWindow window;
    ASSERT_TRUE(window.banner.Attach(window.m_hWnd, 96));
    RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);

    // Read back from the screen: the band lives in the non-client area.
    POINT origin{0, 0};
    ClientToScreen(window.m_hWnd, &origin);
    const int width = window.GetClientRect().right;
    crvUiVista::WindowDc screen(nullptr);
    for (int y = 0; y < kEndHeight; y += 3) {
        const int screenY = origin.y - kEndHeight + y;
        EXPECT_EQ(fill.Pixel(0, y), GetPixel(screen, origin.x, screenY)) << y;
        EXPECT_EQ(fill.Pixel(0, y), GetPixel(screen, origin.x + width - kEndWidth - 1, screenY)) << y;
        for (int x : {0, kEndWidth / 2, kEndWidth - 1}) {
            EXPECT_EQ(end.Pixel(x, y), GetPixel(screen, origin.x + width - kEndWidth + x, screenY)) << x << "," << y;
        }
    }
}

TEST(HeaderBanner, MissingBitmapFailsTheAttachAndLeavesTheWindowAlone) {
    crvUiVista::RegisterHeaderBannerSet(GetModuleHandleW(nullptr), IDB_BANNER_FILL, 9999);
    BannerWindow window;
    const SIZE before = SizeOf(window.GetWindowRect());
    const bool attached = window.banner.Attach(window.m_hWnd, 120);
    RegisterSettingsImages();
    EXPECT_FALSE(attached);
    EXPECT_EQ(0, window.banner.GetHeight());
    EXPECT_EQ(before.cy, SizeOf(window.GetWindowRect()).cy);
}
