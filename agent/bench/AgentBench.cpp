// The Windows side of agent-bench.sh, run against the agent already running:
//   AgentBench memory                  working set and private bytes of the agent
//   AgentBench wait <title>            waits until a top-level window with that title exists
//                                      and its program waits for input
//   AgentBench arrival <devices> <n>   lists <devices> USB devices, times n arrivals and, in
//                                      turn with them, the device list's own cost; removes them
#include <windows.h>
#include <dbt.h>
#include <psapi.h>
#include <setupapi.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "KernelHandle.h"
#include "Waiting.h"

namespace {

const std::wstring kUsbEnum = L"System\\CurrentControlSet\\Enum\\USB\\";

double NowMs() {
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000 / static_cast<double>(frequency.QuadPart);
}

// The window once it exists and its program waits for input, so that what is measured next
// meets a program that has finished starting.
HWND WaitForWindow(const wchar_t* title) {
    HWND window = nullptr;
    testsupport::WaitUntil([&] { return (window = FindWindowW(nullptr, title)) != nullptr; }, 20000);
    DWORD processId = 0;
    if (!window || !GetWindowThreadProcessId(window, &processId)) return nullptr;
    const KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    return process.IsValid() && WaitForInputIdle(process.Get(), 20000) == 0 ? window : nullptr;
}

// Committed memory that belongs to the process alone, summed from its address space (the
// counter GetProcessMemoryInfo offers for it may read 0 here).
SIZE_T CommittedPrivateBytes(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* address = nullptr;
         VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize < address) break;
    }
    return total;
}

int ReportMemory(HWND frame) {
    DWORD processId = 0;
    GetWindowThreadProcessId(frame, &processId);
    const KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (!process.IsValid() ||
        !GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        std::fprintf(stderr, "AgentBench: cannot read the agent's memory\n");
        return 1;
    }
    std::printf("working set (GetProcessMemoryInfo)        %8.0f KiB\n", memory.WorkingSetSize / 1024.0);
    std::printf("private bytes (GetProcessMemoryInfo)      %8.0f KiB\n", memory.PrivateUsage / 1024.0);
    std::printf("private committed (VirtualQueryEx)        %8.0f KiB\n", CommittedPrivateBytes(process.Get()) / 1024.0);
    return 0;
}

std::wstring DeviceKey(int index) {
    wchar_t key[32];
    swprintf(key, 32, L"VID_B%03X&PID_%04X", index / 0x10000, index % 0x10000);
    return key;
}

void SetText(HKEY key, const wchar_t* name, DWORD type, const std::wstring& data) {
    RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// Vendor-specific devices: none qualifies or is excluded, so an arrival walks the whole list.
void PlaceDevices(int count) {
    for (int i = 0; i < count; ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kUsbEnum + DeviceKey(i) + L"\\BENCH").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            continue;
        }
        SetText(key, L"HardwareID", REG_MULTI_SZ, L"USB\\" + DeviceKey(i) + L"&REV_0100" + L'\0');
        SetText(key, L"CompatibleIDs", REG_MULTI_SZ, std::wstring(L"USB\\Class_FF&SubClass_FF&Prot_FF") + L'\0');
        SetText(key, L"ClassGUID", REG_SZ, L"{36fc9e60-c465-11cf-8056-444553540000}");
        RegCloseKey(key);
    }
}

void RemoveDevices(int count) {
    for (int i = 0; i < count; ++i) {
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kUsbEnum + DeviceKey(i) + L"\\BENCH").c_str());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kUsbEnum + DeviceKey(i)).c_str());
    }
}

bool SendArrival(HWND frame, const std::wstring& name) {
    constexpr size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    std::vector<BYTE> block(kNameOffset + (name.size() + 1) * sizeof(wchar_t), 0);
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(block.data());
    broadcast->dbcc_size = static_cast<DWORD>(block.size());
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    name.copy(broadcast->dbcc_name, name.size());
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(frame, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(broadcast),
                               SMTO_NORMAL, 120000, &result) != 0;
}

// What an arrival asks of the platform, with none of the agent's own code: the USB
// enumerator's device list built, every entry's hardware ids read, the list freed.
bool WalkDeviceList() {
    const HDEVINFO devices = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_ALLCLASSES);
    if (devices == INVALID_HANDLE_VALUE) return false;
    SP_DEVINFO_DATA entry{};
    entry.cbSize = sizeof(entry);
    BYTE ids[512];
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &entry); ++index) {
        SetupDiGetDeviceRegistryPropertyW(devices, &entry, SPDRP_HARDWAREID, nullptr, ids, sizeof(ids), nullptr);
    }
    return SetupDiDestroyDeviceInfoList(devices) != FALSE;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintTimes(const char* what, const std::vector<double>& times) {
    std::printf("%-44s %8.1f ms median (min %.1f, max %.1f, %zu rounds)\n", what, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
                times.size());
}

int TimeArrivals(HWND frame, int deviceCount, int rounds) {
    PlaceDevices(deviceCount);
    const std::wstring lastDevice =
        L"\\\\?\\USB#" + DeviceKey(deviceCount - 1) + L"#BENCH#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
    // In turn, so that both meet the same machine and the same device list.
    std::vector<double> arrivals, walks;
    for (int round = 0; round < rounds; ++round) {
        double started = NowMs();
        if (!SendArrival(frame, lastDevice)) break;
        arrivals.push_back(NowMs() - started);
        started = NowMs();
        if (!WalkDeviceList()) break;
        walks.push_back(NowMs() - started);
    }
    RemoveDevices(deviceCount);
    if (arrivals.size() != static_cast<size_t>(rounds) || walks.size() != arrivals.size()) {
        std::fprintf(stderr, "AgentBench: the agent did not take the arrival, or the device list could not be built\n");
        return 1;
    }
    std::printf("%d devices listed:\n", deviceCount);
    PrintTimes("  one arrival handled by the agent", arrivals);
    PrintTimes("  the same device list built, walked, freed", walks);
    // Round by round, so that the ratio holds while the machine's speed drifts.
    std::vector<double> ratios;
    for (size_t round = 0; round < arrivals.size(); ++round) ratios.push_back(arrivals[round] / walks[round]);
    std::printf("  ratio %.2f (arrival to the device list's own cost, median of the rounds' ratios)\n",
                Median(ratios));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    const bool waiting = mode == L"wait" && argc > 2;
    if (!waiting && mode != L"memory" && !(mode == L"arrival" && argc > 3 && _wtoi(argv[2]) > 0 && _wtoi(argv[3]) > 0)) {
        std::fprintf(stderr, "usage: AgentBench memory | wait <title> | arrival <devices> <rounds>\n");
        return 2;
    }
    const wchar_t* title = waiting ? argv[2] : L"NodwellSrv";
    HWND window = WaitForWindow(title);
    if (!window) {
        std::fprintf(stderr, "AgentBench: no window \"%ls\"\n", title);
        return 1;
    }
    if (waiting) return 0;
    if (mode == L"memory") return ReportMemory(window);
    return TimeArrivals(window, _wtoi(argv[2]), _wtoi(argv[3]));
}
