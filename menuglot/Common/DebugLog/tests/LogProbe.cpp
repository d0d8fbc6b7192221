// logprobe <level>:<message> ...   writes one record per argument, in order; an argument
//                                 "ini:<key>=<value>" sets that key of DbgLog.ini beside it instead.
// logprobe bench <count>          prints the cost per call of a dropped and a written record.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

#include "DebugLog.h"

namespace {

LogSite probeSite(LogLevel level) { return LogSite{L".\\LogProbe.cpp", __LINE__, L" (wmain)", L"", level}; }

double nanosecondsPerCall(LogLevel level, int count) {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER end{};
    QueryPerformanceFrequency(&frequency);
    const LogSite site = probeSite(level);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) writeLog(site, L"%s = %s", L"szExpData", L"C:\\Windows\\system32\\shell32.dll,-21787");
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e9 / static_cast<double>(frequency.QuadPart) / count;
}

// Sets one "LOG" key of the DbgLog.ini beside the program from "<key>=<value>".
bool rewriteSetting(const wchar_t* assignment) {
    const wchar_t* equals = std::wcschr(assignment, L'=');
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t* name = std::wcsrchr(path, L'\\');
    if (!equals || length == 0 || length >= MAX_PATH || !name) return false;
    std::wcscpy(name + 1, L"DbgLog.ini");
    const std::wstring key(assignment, equals);
    return WritePrivateProfileStringW(L"LOG", key.c_str(), equals + 1, path) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"bench") == 0) {
        const int count = _wtoi(argv[2]);
        // The configured level decides which record is dropped; with "Level" 0 a trace record is.
        const double dropped = nanosecondsPerCall(LogLevel::Trace, count);
        const double written = nanosecondsPerCall(LogLevel::Error, count);
        std::printf("dropped record: %.1f ns per call\nwritten record: %.1f ns per call\n", dropped, written);
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        const wchar_t* argument = argv[i];
        if (std::wcsncmp(argument, L"ini:", 4) == 0) {
            if (!rewriteSetting(argument + 4)) return 3;
            continue;
        }
        if (!std::iswdigit(argument[0]) || argument[1] != L':') return 2;
        writeLog(probeSite(static_cast<LogLevel>(argument[0] - L'0')), L"%s", argument + 2);
    }
    return 0;
}
