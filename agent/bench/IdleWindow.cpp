// The yardstick of the agent's memory: the least a background program with a window can be, one
// hidden top-level window and a message loop, built and linked as the suite's programs are.
#include <windows.h>

namespace {
LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = hInstance;
    windowClass.lpszClassName = L"IdleWindow";
    if (!RegisterClassW(&windowClass)) return 1;
    if (!CreateWindowW(L"IdleWindow", L"IdleWindow", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr, nullptr, hInstance,
                       nullptr)) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
