// snapwindow.exe <output.bmp> <program> [arguments...]: starts a program, waits until it shows
// a window and has settled, saves that window as it appears on the screen, and ends the
// program. Screenshots for people to look at, at whatever DPI the prefix is set to.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ProcessRunner.h"
#include "WindowCapture.h"
#include "Waiting.h"

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ProcessWindow(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: snapwindow.exe <output.bmp> <program> [arguments...]\n", stderr);
        return 2;
    }
    const std::wstring commandLine = testsupport::CommandLineOf(argv[2], argv + 3, argc - 3);

    const HANDLE process = testsupport::StartProgram(commandLine);
    const DWORD processId = GetProcessId(process);
    HWND window = nullptr;
    const bool shown = testsupport::WaitUntil([&] { return (window = ProcessWindow(processId)) != nullptr; }, 20000);
    int exitCode = 1;
    if (shown) {
        WaitForInputIdle(process, 5000);
        SetForegroundWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
        exitCode = testsupport::CaptureWindow(window, argv[1]) ? 0 : 1;
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        std::fputs("the program showed no window\n", stderr);
    }
    if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    CloseHandle(process);
    return exitCode;
}
