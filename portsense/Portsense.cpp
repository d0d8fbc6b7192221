// Portsense.exe: answers through its exit code whether this machine has the charge feature.
// Any command line is ignored.
#include <windows.h>

#include "ChargeProbe.h"
#include "PwrioDevice.h"
#include "WindowStation.h"

int wmain(int, wchar_t**) {
    pwrio::Device device;
    return portsense::RunChargeProbe(device, [] {
        // Where nobody sees the box, the exit code answers alone, at once.
        if (portsense::IsVisibleWindowStation(::GetProcessWindowStation())) {
            MessageBoxW(nullptr, L"abcd", nullptr, MB_OK);
        }
    });
}
