#pragma once
// Windows for the framework's tests: a top-level host that test controls can live in.
#include <gtest/gtest.h>

#include "Afx.h"

// A visible top-level window of the framework's own class, destroyed with the test.
class HostWindow : public CWnd {
public:
    HostWindow() {
        const RECT rect{0, 0, 400, 300};
        EXPECT_TRUE(CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, nullptr, 0));
    }
    ~HostWindow() override { DestroyWindow(); }
};

// Handles every message waiting in this thread's queue.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
