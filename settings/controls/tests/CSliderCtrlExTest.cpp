#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "CSliderCtrlEx.h"
#include "TestWindows.h"

namespace {

struct Report {
    int pos, prevPos, thumbOffset, prevThumbOffset;
    bool dragging;
};

void Record(void* pUser, int nPos, int nPrevPos, int nThumbOffset, int nPrevThumbOffset, bool bDragging) {
    static_cast<std::vector<Report>*>(pUser)->push_back({nPos, nPrevPos, nThumbOffset, nPrevThumbOffset, bDragging});
}

// The settings dialog's lower-limit slider in a parent that reflects its notifications.
class SliderHarness {
public:
    HostWindow host;
    CSliderCtrlEx slider;
    std::vector<Report> reports;

    SliderHarness() {
        EXPECT_TRUE(slider.CreateEx(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_AUTOTICKS,
                                    RECT{20, 20, 340, 50}, &host, 1020));
        slider.SetRange(2, 99, TRUE);
        slider.SetPos(10);
        PumpMessages();  // painted once before anyone listens
        slider.SetCallback(&Record, &reports);
    }
    void Paint() { RedrawWindow(slider.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    int ThumbOffset() const {
        const RECT thumb = slider.GetThumbRect();
        return thumb.left - (thumb.right - thumb.left);
    }
    POINT ThumbCentre() const {
        const RECT thumb = slider.GetThumbRect();
        return POINT{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    }
};

}  // namespace

TEST(SliderCtrlEx, FirstPaintReportsWithTheMarkerAndUnchangedRepaintsDoNot) {
    SliderHarness t;
    t.Paint();
    ASSERT_EQ(1u, t.reports.size());
    EXPECT_EQ(10, t.reports[0].pos);
    EXPECT_EQ(static_cast<int>(0xFA0A1F01), t.reports[0].prevPos);
    EXPECT_EQ(static_cast<int>(0xFA0A1F01), t.reports[0].prevThumbOffset);
    EXPECT_EQ(t.ThumbOffset(), t.reports[0].thumbOffset);
    EXPECT_FALSE(t.reports[0].dragging);

    t.Paint();
    EXPECT_EQ(1u, t.reports.size());
}

TEST(SliderCtrlEx, KeyMovesReportNotDraggingAndMovesWithTheButtonHeldReportDragging) {
    struct Step {
        const char* name;
        std::function<void(SliderHarness&)> act;
        bool dragging;
    };
    const auto key = [](UINT vk) {
        return [vk](SliderHarness& t) {
            SendMessageW(t.slider.m_hWnd, WM_KEYDOWN, vk, 0);
            SendMessageW(t.slider.m_hWnd, WM_KEYUP, vk, 0);
        };
    };
    const Step steps[] = {
        {"arrow key", key(VK_RIGHT), false},
        {"page key", key(VK_NEXT), false},
        {"thumb dragged with the left button held",
         [](SliderHarness& t) {
             const POINT at = t.ThumbCentre();
             SendMessageW(t.slider.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
             SendMessageW(t.slider.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + 60, at.y));
         },
         true},
        {"dragged further", [](SliderHarness& t) {
             const POINT at = t.ThumbCentre();
             SendMessageW(t.slider.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + 30, at.y));
         },
         true},
        {"key after the button is released",
         [key](SliderHarness& t) {
             const POINT at = t.ThumbCentre();
             SendMessageW(t.slider.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
             key(VK_HOME)(t);
         },
         false},
    };
    SliderHarness t;
    t.Paint();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const int before = t.slider.GetPos();
        const int offsetBefore = t.ThumbOffset();
        t.reports.clear();
        step.act(t);
        t.Paint();
        ASSERT_EQ(1u, t.reports.size());
        const Report& report = t.reports[0];
        EXPECT_NE(report.prevPos, report.pos);
        EXPECT_EQ(t.slider.GetPos(), report.pos);
        EXPECT_EQ(t.ThumbOffset(), report.thumbOffset);
        EXPECT_EQ(step.dragging, report.dragging);
        EXPECT_EQ(before, report.prevPos);
        EXPECT_EQ(offsetBefore, report.prevThumbOffset);
    }
    EXPECT_EQ(2, t.slider.GetPos()) << "Home went to the minimum";
}
