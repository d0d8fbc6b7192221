#include "StartupTrace.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "KernelHandle.h"

namespace crvUiVista {
namespace {

struct Trace {
    std::wstring path;
    ULONGLONG ullCreated = 0;  // 100 ns units, as FILETIME counts them
};

ULONGLONG AsCount(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

const Trace& TheTrace() {
    static const Trace trace = [] {
        Trace t;
        wchar_t szPath[MAX_PATH] = {};
        const DWORD dwLength = ::GetEnvironmentVariableW(L"NODWELL_STARTUP_TRACE", szPath, MAX_PATH);
        if (dwLength == 0 || dwLength >= MAX_PATH) return t;
        FILETIME created{}, exited{}, kernel{}, user{};
        if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return t;
        t.path = szPath;
        t.ullCreated = AsCount(created);
        return t;
    }();
    return trace;
}

}  // namespace

void StartupMark(const wchar_t* step) {
    const Trace& trace = TheTrace();
    if (trace.path.empty()) return;
    FILETIME now{};
    // The precise clock would cost the program its start on Windows 7, whose kernel lacks it.
    ::GetSystemTimeAsFileTime(&now);
    char szLine[160];
    const int nLength = std::snprintf(szLine, sizeof(szLine), "%.1f\t%ls\r\n",
                                      static_cast<double>(AsCount(now) - trace.ullCreated) / 10000.0, step);
    if (nLength <= 0 || nLength >= static_cast<int>(sizeof(szLine))) return;
    const KernelHandle file(::CreateFileW(trace.path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return;
    DWORD dwWritten = 0;
    ::WriteFile(file.Get(), szLine, static_cast<DWORD>(nLength), &dwWritten, nullptr);
}

}  // namespace crvUiVista
