#pragma once
// One information program per logon session: the first copy publishes its window's handle in
// a small shared block, and a second copy raises that window instead of showing its own.
#include <windows.h>

// "Local\Corvane Zazez Info (HWND)": 4 bytes holding the window handle.
const wchar_t* WindowHandleBlockName();

// Keeps the block with the running dialog's handle for as long as the object lives.
class WindowHandleBlock {
public:
    WindowHandleBlock() = default;
    ~WindowHandleBlock();
    WindowHandleBlock(const WindowHandleBlock&) = delete;
    WindowHandleBlock& operator=(const WindowHandleBlock&) = delete;

    bool Publish(HWND hWnd);

private:
    HANDLE m_hBlock = nullptr;
};

// The second copy's part: brings the published window to the foreground; does nothing when
// no copy has published one.
void ActivateFirstInstance();
