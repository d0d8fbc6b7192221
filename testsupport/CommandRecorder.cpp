// Stands in for a program of the suite in end-to-end tests (copied into the installation
// folder under that program's name): appends the command line it was started with, as one
// line, to the file named by NODWELL_TEST_LAUNCH_LOG, and ends. Each test folder builds its
// own copy beside its tests.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t logPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"NODWELL_TEST_LAUNCH_LOG", logPath, MAX_PATH)) return 1;
    const wchar_t* commandLine = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, line.data(), size, nullptr, nullptr);
    line.back() = '\r';
    line += '\n';
    // Two stand-ins started at once append to the same log; under Wine two appends can land at
    // the same offset, so one writer at a time.
    HANDLE turn = CreateMutexW(nullptr, FALSE, L"Local\\NodwellTestLaunchLog");
    if (!turn) return 3;
    WaitForSingleObject(turn, INFINITE);
    HANDLE log = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    int result = 2;
    if (log != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        result = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ? 0 : 4;
        CloseHandle(log);
    }
    ReleaseMutex(turn);
    CloseHandle(turn);
    return result;
}
