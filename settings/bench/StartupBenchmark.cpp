// startup_bench.exe <runs> <program> [arguments] -- <yardstick program> [arguments]: the time from
// process start until the program's window is visible and the program waits for input, as
// the median of several runs, for a program and a yardstick, taking turns so that both meet
// the same Wine; prints both and their ratio. Then, in as many further runs with the
// program's start-up trace switched on, where its start goes: the median of each mark.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ProcessRunner.h"
#include "Waiting.h"

namespace {

struct Search {
    DWORD dwProcessId;
    HWND hFound;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == pSearch->dwProcessId && IsWindowVisible(hWnd) && !GetWindow(hWnd, GW_OWNER)) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from CreateProcess until visible and idle; negative when it never got there.
double Measure(const std::wstring& commandLine) {
    const double start = Now();
    const HANDLE hProcess = testsupport::StartProgram(commandLine);
    Search search{GetProcessId(hProcess), nullptr};
    // The measuring side polls; the measured program must not.
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (!search.hFound && GetTickCount64() < deadline) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.hFound) Sleep(1);
    }
    double elapsed = -1;
    if (search.hFound && WaitForInputIdle(hProcess, 30000) == 0) elapsed = Now() - start;
    if (search.hFound) PostMessageW(search.hFound, WM_COMMAND, IDCANCEL, 0);
    if (WaitForSingleObject(hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(hProcess, 1);
    CloseHandle(hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// The marks of one traced start, in the order written; a step's first mark counts.
std::vector<std::pair<std::string, double>> ReadTrace(const std::wstring& path) {
    std::vector<std::pair<std::string, double>> marks;
    std::ifstream file{std::filesystem::path(path)};
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string step = line.substr(tab + 1);
        const bool seen = std::any_of(marks.begin(), marks.end(), [&](const auto& mark) { return mark.first == step; });
        if (!seen) marks.emplace_back(step, std::stod(line.substr(0, tab)));
    }
    return marks;
}

void PrintStartupBreakdown(const std::wstring& program, int runs) {
    wchar_t szTemp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, szTemp);
    const std::wstring tracePath = std::wstring(szTemp) + L"startup-trace.txt";
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    std::vector<double> visible;
    for (int run = 0; run < runs; ++run) {
        DeleteFileW(tracePath.c_str());
        SetEnvironmentVariableW(L"NODWELL_STARTUP_TRACE", tracePath.c_str());
        visible.push_back(Measure(program));
        SetEnvironmentVariableW(L"NODWELL_STARTUP_TRACE", nullptr);
        for (const auto& [step, ms] : ReadTrace(tracePath)) {
            if (!times.count(step)) order.push_back(step);
            times[step].push_back(ms);
        }
    }
    DeleteFileW(tracePath.c_str());
    std::printf("where the program's start goes, median of %d traced runs (ms since the process was created):\n", runs);
    double previous = 0;
    for (const std::string& step : order) {
        const double at = Median(times[step]);
        std::printf("  %-42s %8.1f  (+%.1f)\n", step.c_str(), at, at - previous);
        previous = at;
    }
    std::printf("  %-42s %8.1f  (from the start call)\n", "visible and idle", Median(visible));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int separator = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--") separator = i;
    }
    if (argc < 5 || separator < 3 || separator + 1 >= argc) {
        std::fputs("usage: startup_bench.exe <runs> <program> [arguments] -- <yardstick program> [arguments]\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::wstring program = testsupport::Quoted(argv[2]);
    for (int i = 3; i < separator; ++i) program += std::wstring(L" ") + argv[i];
    std::wstring yardstick = testsupport::Quoted(argv[separator + 1]);
    for (int i = separator + 2; i < argc; ++i) yardstick += std::wstring(L" ") + argv[i];

    Measure(program);  // the first start pays for loading files into the cache
    Measure(yardstick);
    std::vector<double> programTimes, yardstickTimes;
    for (int run = 0; run < runs; ++run) {
        programTimes.push_back(Measure(program));
        yardstickTimes.push_back(Measure(yardstick));
    }
    const double programMs = Median(programTimes);
    const double yardstickMs = Median(yardstickTimes);
    if (programMs < 0 || yardstickMs <= 0) {
        std::fputs("a program did not become visible and idle\n", stderr);
        return 1;
    }
    std::printf("start to visible and idle, median of %d runs:\n", runs);
    std::printf("  %-40ls %8.1f ms\n", argv[2], programMs);
    std::printf("  %-40ls %8.1f ms\n", argv[separator + 1], yardstickMs);
    std::printf("  ratio %.2f\n", programMs / yardstickMs);
    PrintStartupBreakdown(program, runs);
    return 0;
}
