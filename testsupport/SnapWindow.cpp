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

// The program's own window: visible and owned by no other.
HWND ProcessWindow(DWORD processId) {
    return testsupport::FindProcessWindow(processId, [](HWND window) { return !GetWindow(window, GW_OWNER); });
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
