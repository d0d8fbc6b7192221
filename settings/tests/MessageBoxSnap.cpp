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

struct Search {
    DWORD dwProcessId;
    bool bMessageBox;
    HWND hFound;
};

// A message box is a dialog with the static text 0xFFFF; the program's window is not.
BOOL CALLBACK FindWindowOf(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    const bool bBox = GetDlgItem(hWnd, 0xFFFF) != nullptr;
    if (dwProcessId == pSearch->dwProcessId && IsWindowVisible(hWnd) && bBox == pSearch->bMessageBox) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD dwProcessId, bool bMessageBox) {
    Search search{dwProcessId, bMessageBox, nullptr};
    testsupport::WaitUntil(
        [&] {
            EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
            return search.hFound != nullptr;
        },
        20000);
    return search.hFound;
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
