#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Canvas.h"
#include "FooterButton.h"
#include "UilibTestWindows.h"

using crvUiVista::FooterButton;

namespace {

constexpr int kFaceWidth = 67;
constexpr int kFaceHeight = 21;

DRAWITEMSTRUCT DrawRequest(HWND hButton, HDC hDC, const RECT& rect, UINT nState) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hButton));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = nState;
    item.hwndItem = hButton;
    item.hDC = hDC;
    item.rcItem = rect;
    return item;
}

// The face bitmap as it is, to compare a drawn button with.
void DrawBitmapAsIs(Canvas& canvas, UINT nId) {
    const crvUiVista::OwnedBitmap bitmap = crvUiVista::LoadBitmapResource(GetModuleHandleW(nullptr), nId);
    ASSERT_TRUE(bitmap);
    const crvUiVista::OwnedMemoryDc source(CreateCompatibleDC(canvas.dc()));
    crvUiVista::SelectionScope selected(source.get(), bitmap.get());
    BitBlt(canvas.dc(), 0, 0, kFaceWidth, kFaceHeight, source.get(), 0, 0, SRCCOPY);
}

// Pixels that differ between two drawings of the same size.
std::vector<POINT> Differences(const Canvas& a, const Canvas& b) {
    std::vector<POINT> points;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) points.push_back(POINT{x, y});
        }
    }
    return points;
}

class FooterButtonTest : public testing::Test {
protected:
    HostWindow host;
    FooterButton button;

    HWND Attach(const std::wstring& text, int nScale = 96, const RECT& rect = {10, 10, 10 + kFaceWidth, 40}) {
        const HWND hButton = CreatePushButton(host.m_hWnd, text, rect);
        EXPECT_TRUE(button.Attach(hButton, nScale));
        return hButton;
    }
    void Draw(Canvas& canvas, UINT nState, const RECT& rect) {
        EXPECT_TRUE(button.Draw(DrawRequest(button.m_hWnd, canvas.dc(), rect, nState)));
    }
};

}  // namespace

TEST_F(FooterButtonTest, AttachingMakesAnOwnerDrawnButtonAsHighAsTheFaceAtItsScale) {
    struct Case {
        int scale;
        int height;
    };
    for (const Case& c : {Case{96, 21}, Case{120, 26}, Case{144, 31}}) {
        SCOPED_TRACE(c.scale);
        FooterButton footer;
        const HWND hButton = CreatePushButton(host.m_hWnd, L"OK", {5, 5, 105, 45}, 100, BS_DEFPUSHBUTTON);
        ASSERT_TRUE(footer.Attach(hButton, c.scale));
        EXPECT_EQ(BS_OWNERDRAW, GetWindowLongPtrW(hButton, GWL_STYLE) & BS_TYPEMASK);
        RECT rect{};
        GetWindowRect(hButton, &rect);
        EXPECT_EQ(100, rect.right - rect.left) << "the width is kept";
        EXPECT_EQ(c.height, rect.bottom - rect.top);
        DestroyWindow(hButton);
    }
    EXPECT_FALSE(FooterButton().Attach(nullptr, 96));
}

TEST_F(FooterButtonTest, FaceIsPressedWhileSelectedElseHotWhileHoveredElseNormal) {
    enum class Mouse { Away, Over, OverThenLeft };
    struct Case {
        const char* name;
        UINT state;
        Mouse mouse;
        UINT face;
    };
    const Case cases[] = {
        {"normal", 0, Mouse::Away, IDB_BUTTON_NORMAL},
        {"mouse over", 0, Mouse::Over, IDB_BUTTON_HOT},
        {"mouse gone again", 0, Mouse::OverThenLeft, IDB_BUTTON_NORMAL},
        {"pressed", ODS_SELECTED, Mouse::Away, IDB_BUTTON_PRESSED},
        {"pressed with the mouse over it", ODS_SELECTED, Mouse::Over, IDB_BUTTON_PRESSED},
        {"disabled", ODS_DISABLED, Mouse::Away, IDB_BUTTON_NORMAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FooterButton face;
        const HWND hButton = CreatePushButton(host.m_hWnd, L"", {0, 0, kFaceWidth, kFaceHeight});
        ASSERT_TRUE(face.Attach(hButton, 96));
        if (c.mouse != Mouse::Away) SendMessageW(hButton, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        if (c.mouse == Mouse::OverThenLeft) SendMessageW(hButton, WM_MOUSELEAVE, 0, 0);

        Canvas drawn(kFaceWidth, kFaceHeight);
        Canvas expected(kFaceWidth, kFaceHeight);
        ASSERT_TRUE(face.Draw(DrawRequest(hButton, drawn.dc(), {0, 0, kFaceWidth, kFaceHeight}, c.state)));
        DrawBitmapAsIs(expected, c.face);
        EXPECT_TRUE(Differences(drawn, expected).empty());
        DestroyWindow(hButton);
    }
}

TEST_F(FooterButtonTest, CaptionIsWhiteWhenPressedOliveWhenDisabledBlackOtherwise) {
    const auto font = CreateTestFont();
    struct Case {
        const char* name;
        UINT state;
        COLORREF colour;
    };
    const Case cases[] = {
        {"normal", 0, RGB(0, 0, 0)},
        {"focused", ODS_FOCUS, RGB(0, 0, 0)},
        {"pressed", ODS_SELECTED, RGB(255, 255, 255)},
        {"disabled", ODS_DISABLED, RGB(134, 137, 103)},
    };
    const HWND hButton = Attach(L"MMM", 96, {0, 0, 120, 21});
    SendMessageW(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas withText(120, 21);
        Canvas withoutText(120, 21);
        SetWindowTextW(hButton, L"MMM");
        SetTextColor(withText.dc(), RGB(1, 2, 3));
        Draw(withText, c.state, {0, 0, 120, 21});
        EXPECT_EQ(RGB(1, 2, 3), GetTextColor(withText.dc())) << "the previous text colour is restored";
        SetWindowTextW(hButton, L"");
        Draw(withoutText, c.state, {0, 0, 120, 21});

        const std::vector<POINT> text = Differences(withText, withoutText);
        ASSERT_FALSE(text.empty());
        for (const POINT& p : text) {
            ASSERT_EQ(c.colour, withText.Pixel(p.x, p.y)) << p.x << "," << p.y;
        }
        // Centred: the text's ink lies in the middle of the face.
        LONG left = 120, right = 0;
        for (const POINT& p : text) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
        }
        EXPECT_NEAR(120 - 1 - right, left, 2);
    }
}

TEST_F(FooterButtonTest, FocusRectangleIsInsetByOnePixel) {
    const HWND hButton = Attach(L"", 96, {0, 0, 90, kFaceHeight});
    (void)hButton;
    Canvas focused(90, kFaceHeight);
    Canvas plain(90, kFaceHeight);
    Draw(focused, ODS_FOCUS, {0, 0, 90, kFaceHeight});
    Draw(plain, 0, {0, 0, 90, kFaceHeight});
    bool sides[4] = {};
    for (const POINT& p : Differences(focused, plain)) {
        const bool onInset = p.x == 1 || p.x == 88 || p.y == 1 || p.y == kFaceHeight - 2;
        const bool inside = p.x >= 1 && p.x <= 88 && p.y >= 1 && p.y <= kFaceHeight - 2;
        ASSERT_TRUE(onInset && inside) << p.x << "," << p.y;
        sides[0] |= p.x == 1;
        sides[1] |= p.x == 88;
        sides[2] |= p.y == 1;
        sides[3] |= p.y == kFaceHeight - 2;
    }
    EXPECT_TRUE(sides[0] && sides[1] && sides[2] && sides[3]);
}

TEST_F(FooterButtonTest, FaceKeepsItsEndsAndStretchesItsHeightOnlyAboveNinetySix) {
    struct Case {
        int scale;
        int paintedRows;
    };
    Canvas face(kFaceWidth, kFaceHeight);
    DrawBitmapAsIs(face, IDB_BUTTON_NORMAL);
    for (const Case& c : {Case{96, 21}, Case{144, 31}}) {
        SCOPED_TRACE(c.scale);
        FooterButton wide;
        const HWND hButton = CreatePushButton(host.m_hWnd, L"", {0, 0, 150, 40});
        ASSERT_TRUE(wide.Attach(hButton, c.scale));
        Canvas drawn(150, 40);
        ASSERT_TRUE(wide.Draw(DrawRequest(hButton, drawn.dc(), {0, 0, 150, 40}, 0)));
        for (int x : {0, 75, 149}) {
            EXPECT_NE(kUntouched, drawn.Pixel(x, c.paintedRows - 1)) << x;
            EXPECT_EQ(kUntouched, drawn.Pixel(x, c.paintedRows)) << x;
        }
        if (c.scale == 96) {
            for (int y = 0; y < kFaceHeight; ++y) {
                EXPECT_EQ(face.Pixel(0, y), drawn.Pixel(0, y)) << y;
                EXPECT_EQ(face.Pixel(kFaceWidth - 1, y), drawn.Pixel(149, y)) << y;
            }
        }
        DestroyWindow(hButton);
    }
}

TEST_F(FooterButtonTest, MissingFaceBitmapLeavesTheFaceUnpaintedButDrawsTheCaption) {
    const ScopedButtonSet missing(9001, 9002, 9003);
    const auto font = CreateTestFont();
    const HWND hButton = Attach(L"MMM", 96, {0, 0, 80, 30});
    SendMessageW(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    RECT rect{};
    GetWindowRect(hButton, &rect);
    EXPECT_EQ(30, rect.bottom - rect.top) << "no face, no new height";
    Canvas drawn(80, 30);
    Draw(drawn, 0, {0, 0, 80, 30});
    EXPECT_EQ(kUntouched, drawn.Pixel(1, 1));
    EXPECT_EQ(kUntouched, drawn.Pixel(78, 28));
    bool anyText = false;
    for (int x = 0; x < 80; ++x) anyText |= drawn.Pixel(x, 15) == RGB(0, 0, 0);
    EXPECT_TRUE(anyText);
}

TEST_F(FooterButtonTest, PreferredWidthIsTheCaptionsWidthWithoutItsMnemonicMarker) {
    const auto font = CreateTestFont(7);
    const HWND hButton = Attach(L"");
    SendMessageW(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    EXPECT_EQ(0, button.GetPreferredWidth());
    SetWindowTextW(hButton, L"Help(&H)");
    EXPECT_EQ(7 * 7, button.GetPreferredWidth());
    EXPECT_EQ(TextWidth(font.get(), L"Help(H)"), button.GetPreferredWidth());
}
