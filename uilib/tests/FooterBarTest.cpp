#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Canvas.h"
#include "FooterBar.h"
#include "UilibTestWindows.h"

using crvUiVista::FooterBar;
using crvUiVista::FooterButton;

namespace {

RECT RectInParent(HWND hWnd) {
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

TEST(FooterBar, ButtonWidthIsStandardForShortTextsAndGrowsWithLongerOnes) {
    struct Case {
        int scale;
        int charWidth;
        int chars;
        int textWidth;
        int buttonWidth;
    };
    const Case cases[] = {
        {96, 0, 0, 0, 67},     // no caption
        {96, 5, 10, 50, 67},   // under the minimum of 51
        {96, 17, 3, 51, 67},   // the minimum itself
        {96, 6, 10, 60, 76},
        {120, 6, 10, 60, 83},  // minimum 63, standard 83 at 120
        {120, 7, 10, 70, 90},
        {144, 8, 10, 80, 104},  // minimum 76, standard 100 at 144
    };
    HostWindow host;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scale << " dpi, text " << c.textWidth);
        const auto font = CreateTestFont(c.charWidth == 0 ? 7 : c.charWidth);
        const std::wstring text(static_cast<size_t>(c.chars), L'x');
        ASSERT_EQ(c.textWidth, TextWidth(font.get(), text)) << "the test font is not as wide as intended";
        FooterButton button;
        const HWND hButton = CreatePushButton(host.m_hWnd, text, {0, 0, 50, 20});
        SendMessageW(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        ASSERT_TRUE(button.Attach(hButton, c.scale));
        FooterBar bar(c.scale);
        bar.AddLeft(button);
        bar.Layout(0, 400, 100);
        EXPECT_EQ(c.buttonWidth, RectInParent(hButton).right - RectInParent(hButton).left);
        DestroyWindow(hButton);
    }
}

// The settings dialog's footer: Default and Help on the left, the filler, then OK, Cancel and
// Apply on the right with Apply outermost.
TEST(FooterBar, LeftGroupRunsRightwardsRightGroupInwardsAndTheFillerBetween) {
    for (const int scale : {96, 120}) {
        SCOPED_TRACE(scale);
        HostWindow host;
        const auto font = CreateTestFont(5);  // every caption under the minimum: standard widths
        const wchar_t* texts[] = {L"Dflt", L"Help", L"", L"OK", L"Cncl", L"Aply"};
        std::array<FooterButton, 6> buttons;
        std::array<HWND, 6> handles{};
        for (size_t i = 0; i < handles.size(); ++i) {
            handles[i] = CreatePushButton(host.m_hWnd, texts[i], {0, 0, 40, 20}, static_cast<UINT>(1000 + i));
            SendMessageW(handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
            ASSERT_TRUE(buttons[i].Attach(handles[i], scale));
        }
        FooterBar bar(scale);
        bar.AddLeft(buttons[0]);
        bar.AddLeft(buttons[1]);
        bar.SetFiller(buttons[2]);
        bar.AddRight(buttons[5]);
        bar.AddRight(buttons[4]);
        bar.AddRight(buttons[3]);
        EXPECT_FALSE(IsWindowEnabled(handles[2])) << "the filler is disabled at once";

        const int w = 67 * scale / 96;
        const int h = 21 * scale / 96;
        const int left = 4, right = 560, bottom = 250;
        bar.Layout(left, right, bottom);
        const RECT expected[] = {
            {left, bottom - h, left + w, bottom},                   // Default
            {left + w, bottom - h, left + 2 * w, bottom},           // Help
            {left + 2 * w, bottom - h, right - 3 * w, bottom},      // filler
            {right - 3 * w, bottom - h, right - 2 * w, bottom},     // OK
            {right - 2 * w, bottom - h, right - w, bottom},         // Cancel
            {right - w, bottom - h, right, bottom},                 // Apply
        };
        for (size_t i = 0; i < handles.size(); ++i) {
            const RECT actual = RectInParent(handles[i]);
            EXPECT_TRUE(EqualRect(&expected[i], &actual))
                << texts[i] << ": " << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom;
        }
    }
}

TEST(FooterBar, DrawRequestGoesToTheButtonItIsFor) {
    HostWindow host;
    FooterButton left, filler, right;
    const HWND hLeft = CreatePushButton(host.m_hWnd, L"", {0, 0, 67, 21}, 1);
    const HWND hFiller = CreatePushButton(host.m_hWnd, L"", {0, 0, 67, 21}, 2);
    const HWND hRight = CreatePushButton(host.m_hWnd, L"", {0, 0, 67, 21}, 3);
    const HWND hStranger = CreatePushButton(host.m_hWnd, L"", {0, 0, 67, 21}, 4);
    ASSERT_TRUE(left.Attach(hLeft, 96) && filler.Attach(hFiller, 96) && right.Attach(hRight, 96));
    FooterBar bar;
    bar.AddLeft(left);
    bar.SetFiller(filler);
    bar.AddRight(right);
    for (const HWND hItem : {hLeft, hFiller, hRight, hStranger}) {
        Canvas canvas(67, 21);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = hItem;
        item.hDC = canvas.dc();
        item.rcItem = {0, 0, 67, 21};
        const bool mine = hItem != hStranger;
        EXPECT_EQ(mine, bar.DrawItem(item));
        EXPECT_EQ(mine, canvas.Pixel(30, 10) != kUntouched);
    }
}

// With no face bitmap a height of 0 would make the buttons vanish and unusable.
TEST(FooterBar, ButtonsKeepTheirHeightWhenTheFaceBitmapIsMissing) {
    const ScopedButtonSet missing(9001, 9002, 9003);
    HostWindow host;
    FooterButton button;
    const HWND hButton = CreatePushButton(host.m_hWnd, L"OK", {0, 0, 60, 23});
    ASSERT_TRUE(button.Attach(hButton, 96));
    FooterBar bar;
    bar.AddRight(button);
    bar.Layout(0, 300, 200);
    const RECT expected{300 - 67, 200 - 23, 300, 200};
    const RECT actual = RectInParent(hButton);
    EXPECT_TRUE(EqualRect(&expected, &actual));
}
