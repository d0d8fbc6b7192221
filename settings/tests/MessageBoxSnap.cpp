// boxsnap.exe <box.bmp> <window.bmp> <program> [arguments...]: for screenshots of a message
// box shown while a program starts. Saves the box, answers it with OK, then saves the window
// the program shows afterwards, and closes it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ProcessRunner.h"
#include "WindowCapture.h"
#include "Waiting.h"

namespace {

// The message box, or the program's window, which is not one.
HWND WaitForWindow(DWORD dwProcessId, bool bMessageBox) {
    HWND hFound = nullptr;
    testsupport::WaitUntil(
        [&] {
            hFound = testsupport::FindProcessWindow(
                dwProcessId, [&](HWND hWnd) { return testsupport::IsMessageBox(hWnd) == bMessageBox; });
            return hFound != nullptr;
        },
        20000);
    return hFound;
}

void Settle(HWND hWnd) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    Sleep(300);  // the other process paints on its own schedule; this is a picture for people only
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fputs("usage: boxsnap.exe <box.bmp> <window.bmp> <program> [arguments...]\n", stderr);
        return 2;
    }
    const std::wstring commandLine = testsupport::CommandLineOf(argv[3], argv + 4, argc - 4);
    const HANDLE hProcess = testsupport::StartProgram(commandLine);
    const DWORD dwProcessId = GetProcessId(hProcess);
    int exitCode = 1;
    if (HWND hBox = WaitForWindow(dwProcessId, true)) {
        Settle(hBox);
        const bool bBox = testsupport::CaptureWindow(hBox, argv[1]);
        PostMessageW(hBox, WM_COMMAND, IDOK, 0);
        if (HWND hWindow = WaitForWindow(dwProcessId, false)) {
            Settle(hWindow);
            exitCode = bBox && testsupport::CaptureWindow(hWindow, argv[2]) ? 0 : 1;
            PostMessageW(hWindow, WM_CLOSE, 0, 0);
        }
    } else {
        std::fputs("the program showed no message box\n", stderr);
    }
    if (WaitForSingleObject(hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(hProcess, 1);
    CloseHandle(hProcess);
    return exitCode;
}
