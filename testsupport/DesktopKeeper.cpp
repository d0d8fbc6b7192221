// desktopkeeper.exe: holds a hidden top-level window for the length of a test session. Wine
// runs the desktop in a process of its own that ends when no program has a window on it,
// and starts it again for the next program that makes one; started that way it inherits that
// program's output handles, and whoever reads them (CTest) waits for the desktop to end.
// Keeping the desktop alive from the start of the session, with no such handles, avoids both.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"SuiteTestDesktopKeeper";
    RegisterClassW(&windowClass);
    CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                    nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
