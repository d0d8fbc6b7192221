// startup_bench.exe <runs> <program> [arguments] -- <yardstick> [arguments] [-- <yardstick> ...]:
// the time from process start until the program's window is visible and the program waits
// for input, as the median of several runs, for a program and each yardstick, taking turns so
// that all meet the same Wine; prints each and the median of the program's run-by-run ratios
// to each yardstick. Then, in as many further runs with the program's start-up trace switched
// on, where its start goes: the median of each mark.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "KernelHandle.h"
#include "ProcessRunner.h"
#include "Waiting.h"

namespace {

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
    const KernelHandle process(testsupport::StartProgram(commandLine));
    const DWORD dwProcessId = GetProcessId(process.Get());
    const auto unowned = [](HWND hWnd) { return GetWindow(hWnd, GW_OWNER) == nullptr; };
    HWND hFound = nullptr;
    // The measuring side polls, each millisecond (a test's wait would round the figure up); the
    // measured program must not.
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (!(hFound = testsupport::FindProcessWindow(dwProcessId, unowned)) && GetTickCount64() < deadline) Sleep(1);
    double elapsed = -1;
    if (hFound && WaitForInputIdle(process.Get(), 30000) == 0) elapsed = Now() - start;
    if (hFound) PostMessageW(hFound, WM_COMMAND, IDCANCEL, 0);
    if (WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.Get(), 1);
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
    // The program and each yardstick: the name of its file and its command line.
    std::vector<std::wstring> names, commandLines;
    for (int first = 2, end = 2; first < argc; first = end + 1) {
        end = first;
        while (end < argc && std::wstring(argv[end]) != L"--") ++end;
        if (end == first) break;
        names.push_back(std::filesystem::path(argv[first]).filename().wstring());
        commandLines.push_back(testsupport::CommandLineOf(argv[first], argv + first + 1, end - first - 1));
    }
    const int commandCount = static_cast<int>(std::count(argv + 2, argv + argc, std::wstring(L"--"))) + 1;
    if (argc < 5 || names.size() < 2 || static_cast<int>(names.size()) != commandCount) {
        std::fputs("usage: startup_bench.exe <runs> <program> [arguments] -- <yardstick> [arguments] [-- <yardstick> ...]\n",
                   stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));

    // The first start pays for loading files into the cache.
    for (const std::wstring& commandLine : commandLines) Measure(commandLine);
    std::vector<std::vector<double>> times(commandLines.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < commandLines.size(); ++i) times[i].push_back(Measure(commandLines[i]));
    }
    std::vector<double> medians;
    for (const auto& each : times) medians.push_back(Median(each));
    if (std::any_of(medians.begin(), medians.end(), [](double ms) { return ms <= 0; })) {
        std::fputs("a program did not become visible and idle\n", stderr);
        return 1;
    }
    std::printf("start to visible and idle, median of %d runs:\n", runs);
    for (size_t i = 0; i < names.size(); ++i) std::printf("  %-40ls %8.1f ms\n", names[i].c_str(), medians[i]);
    // Run by run, so that a ratio holds while the machine's speed drifts.
    for (size_t i = 1; i < names.size(); ++i) {
        std::vector<double> ratios;
        for (int run = 0; run < runs; ++run) {
            if (times[0][run] > 0 && times[i][run] > 0) ratios.push_back(times[0][run] / times[i][run]);
        }
        std::printf("  ratio to %ls %.2f\n", names[i].c_str(), Median(ratios));
    }
    PrintStartupBreakdown(commandLines[0], runs);
    return 0;
}
