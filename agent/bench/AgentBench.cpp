// The Windows side of agent-bench.sh, run against the agent already running:
//   AgentBench memory                  working set and private bytes of the agent
//   AgentBench arrival <devices> <n>   lists <devices> USB devices, times n arrivals, removes them
#include <windows.h>
#include <dbt.h>
#include <psapi.h>

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

HWND AgentFrame() {
    HWND frame = nullptr;
    testsupport::WaitUntil([&] { return (frame = FindWindowW(nullptr, L"NodwellSrv")) != nullptr; }, 20000);
    return frame;
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
        std::printf("cannot read the agent's memory\n");
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

int TimeArrivals(HWND frame, int deviceCount, int rounds) {
    PlaceDevices(deviceCount);
    const std::wstring lastDevice =
        L"\\\\?\\USB#" + DeviceKey(deviceCount - 1) + L"#BENCH#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const double sent = NowMs();
        if (!SendArrival(frame, lastDevice)) break;
        times.push_back(NowMs() - sent);
    }
    RemoveDevices(deviceCount);
    if (times.empty()) {
        std::printf("the agent did not take the arrival\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("one arrival, %d devices listed          %8.1f ms median (min %.1f, max %.1f, %zu rounds)\n",
                deviceCount, times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    HWND frame = AgentFrame();
    if (!frame) {
        std::printf("no agent frame\n");
        return 1;
    }
    if (mode == L"memory") return ReportMemory(frame);
    if (mode == L"arrival" && argc > 3) return TimeArrivals(frame, _wtoi(argv[2]), _wtoi(argv[3]));
    std::printf("usage: AgentBench memory | arrival <devices> <rounds>\n");
    return 2;
}
