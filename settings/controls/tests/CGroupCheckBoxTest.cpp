#include <gtest/gtest.h>

#include <string>

#include "CGroupCheckBox.h"
#include "ControlsTestIds.h"
#include "GdiObject.h"
#include "TestWindows.h"

namespace {

constexpr UINT kGroupId = 1011;
constexpr UINT kFrameId = 1012;
constexpr UINT kCheckBoxId = 1013;
const RECT kGroupRect{20, 40, 320, 180};
const wchar_t kCaption[] = L"Enable Zazez and Charge";

// Records the commands that reach the dialog-like parent.
class CommandHost : public HostWindow {
public:
    int checkBoxClicks = 0;

protected:
    void OnCheckBoxClicked() { ++checkBoxClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandHost, HostWindow)
    ON_BN_CLICKED(kCheckBoxId, OnCheckBoxClicked)
END_MESSAGE_MAP()

// A group box of a template in its parent window, bound as the dialog's data exchange binds it.
class GroupHarness {
public:
    CommandHost host;
    crvUiVista::GdiObject<HFONT> font{CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                  DEFAULT_PITCH, L"Tahoma")};
    HWND hGroup = nullptr;
    CGroupCheckBox group;

    explicit GroupHarness(int nScale) {
        hGroup = CreateWindowExW(0, WC_BUTTONW, L"from the template", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                 kGroupRect.left, kGroupRect.top, kGroupRect.right - kGroupRect.left,
                                 kGroupRect.bottom - kGroupRect.top, host.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kGroupId)), nullptr, nullptr);
        SendMessageW(hGroup, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        group.SetIds(IDS_CHARGE_GROUP, kCheckBoxId, kFrameId);
        group.SetScale(nScale);
        EXPECT_TRUE(group.SubclassWindow(hGroup));
    }
    HWND CheckBox() const { return GetDlgItem(host.m_hWnd, kCheckBoxId); }
    HWND Frame() const { return GetDlgItem(host.m_hWnd, kFrameId); }
    SIZE CaptionSize() const {
        crvUiVista::WindowDc dc(nullptr);
        crvUiVista::SelectionScope selected(dc, font.get());
        SIZE size{};
        GetTextExtentPoint32W(dc, kCaption, static_cast<int>(wcslen(kCaption)), &size);
        return size;
    }
};

RECT RectInParent(HWND hWnd) {
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring TextOf(HWND hWnd) {
    wchar_t text[128] = {};
    GetWindowTextW(hWnd, text, 128);
    return text;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

}  // namespace

TEST(GroupCheckBox, AttachingReplacesTheGroupBoxWithAFrameAndACaptionCheckBox) {
    GroupHarness t(144);
    const HWND hGroup = t.hGroup;
    EXPECT_FALSE(IsWindowVisible(hGroup));
    EXPECT_EQ(L"", TextOf(hGroup));

    ASSERT_NE(nullptr, t.Frame());
    EXPECT_TRUE(IsWindowVisible(t.Frame()));
    EXPECT_EQ(BS_GROUPBOX, GetWindowLongPtrW(t.Frame(), GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(L"", TextOf(t.Frame()));
    const RECT frame = RectInParent(t.Frame());
    EXPECT_TRUE(EqualRect(&kGroupRect, &frame)) << Describe(frame);

    ASSERT_NE(nullptr, t.CheckBox());
    EXPECT_TRUE(IsWindowVisible(t.CheckBox()));
    const LONG_PTR style = GetWindowLongPtrW(t.CheckBox(), GWL_STYLE);
    EXPECT_EQ(BS_AUTOCHECKBOX, style & BS_TYPEMASK);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_EQ(kCaption, TextOf(t.CheckBox()));
    EXPECT_EQ(reinterpret_cast<LRESULT>(t.font.get()), SendMessageW(t.CheckBox(), WM_GETFONT, 0, 0));
    const RECT box = RectInParent(t.CheckBox());
    const RECT expected{kGroupRect.left + 12, kGroupRect.top, kGroupRect.left + 12 + 33, kGroupRect.top + 33};
    EXPECT_TRUE(EqualRect(&expected, &box)) << Describe(box);
}

TEST(GroupCheckBox, CheckBoxIsPlacedOverTheFramesTopEdgeSizedToItsCaption) {
    for (const int scale : {96, 120, 144}) {
        SCOPED_TRACE(scale);
        GroupHarness t(scale);
        const SIZE text = t.CaptionSize();
        // The dialog moves the frame in its layouts and then places the check box again.
        for (const LONG frameTop : {kGroupRect.top, LONG{86}}) {
            SetWindowPos(t.Frame(), nullptr, kGroupRect.left, frameTop, 300, 128, SWP_NOZORDER);
            t.group.PlaceCheckBox();
            const RECT box = RectInParent(t.CheckBox());
            const RECT expected{kGroupRect.left + 8, frameTop - text.cy / 2,
                                kGroupRect.left + 8 + scale * 22 / 96 + 5 + text.cx, frameTop - text.cy / 2 + text.cy};
            EXPECT_TRUE(EqualRect(&expected, &box)) << Describe(box) << " expected " << Describe(expected);
        }
    }
}

TEST(GroupCheckBox, CheckStateIsTheCheckBoxesThroughTheGroupBoxToo) {
    GroupHarness t(96);
    const HWND hGroup = t.hGroup;
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(hGroup, BM_GETCHECK, 0, 0));
    EXPECT_EQ(0, SendMessageW(hGroup, BM_SETCHECK, BST_CHECKED, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageW(t.CheckBox(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, t.group.GetCheck());

    t.group.SetCheck(BST_UNCHECKED);
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(hGroup, BM_GETCHECK, 0, 0));

    SendMessageW(t.CheckBox(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, t.host.checkBoxClicks) << "the parent hears the check box under its own id";
    EXPECT_EQ(BST_CHECKED, t.group.GetCheck());
}

TEST(GroupCheckBox, EnablingAndFocusOfTheHiddenGroupBoxReachTheVisibleControls) {
    GroupHarness t(96);
    const HWND hGroup = t.hGroup;
    EnableWindow(hGroup, FALSE);
    EXPECT_FALSE(IsWindowEnabled(t.Frame()));
    EXPECT_FALSE(IsWindowEnabled(t.CheckBox()));
    EnableWindow(hGroup, TRUE);
    EXPECT_TRUE(IsWindowEnabled(t.Frame()));
    EXPECT_TRUE(IsWindowEnabled(t.CheckBox()));

    SetForegroundWindow(t.host.m_hWnd);
    SetFocus(hGroup);
    EXPECT_EQ(t.CheckBox(), GetFocus());
}
