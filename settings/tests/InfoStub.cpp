// Stands in for the information program in the end-to-end tests: appends its command line to
// the file named by NODWELL_INFO_STUB_LOG, then, while the test holds the event
// "Local\NodwellInfoStubRelease" unsignalled, stays running (at most 20 s).
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
    wchar_t szLog[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"NODWELL_INFO_STUB_LOG", szLog, MAX_PATH)) {
        const std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
        if (FILE* file = _wfopen(szLog, L"ab")) {
            const int cb = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
            std::string utf8(static_cast<size_t>(cb), '\0');
            WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), cb, nullptr, nullptr);
            std::fputs(utf8.c_str(), file);
            std::fclose(file);
        }
    }
    if (HANDLE hRelease = OpenEventW(SYNCHRONIZE, FALSE, L"Local\\NodwellInfoStubRelease")) {
        WaitForSingleObject(hRelease, 20000);
        CloseHandle(hRelease);
    }
    return 0;
}
