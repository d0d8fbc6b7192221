// The exported functions of the simulated library. Each one only says what its call does to
// the simulated machine; Call gives every call the same course.
#include "NodwellLib.h"

#include <initializer_list>
#include <string_view>

#include "CallLog.h"
#include "SimulatedMachine.h"

namespace {

// What every call but NWLB_InitializeDll returns while the library is not initialised.
constexpr LONG kNotInitialized = 1;

// One per process: set calls are held for the process that made them.
SimulatedMachine& Machine() {
    static SimulatedMachine machine;
    return machine;
}

enum class Admits { OnlyInitialized, Always };

// Refused unless initialised, then a failure the machine injects, then the work itself;
// the call is logged whatever its outcome.
template <typename Work>
LONG Call(std::string_view function, std::initializer_list<DWORD> inputs, Work work,
          Admits admits = Admits::OnlyInitialized) {
    LONG status = kNotInitialized;
    if (admits == Admits::Always || Machine().IsInitialized()) {
        status = Machine().InjectedFailure(function);
        if (status == ERROR_SUCCESS) status = work();
    }
    if (const auto path = Machine().CallLogPath()) {
        AppendToCallLog(*path, FormatCallLine(function, inputs, status));
    }
    return status;
}

// Out-values are written only on success: callers preset their fallbacks.
template <typename T>
LONG Deliver(T value, T* pOut) {
    if (pOut == nullptr) return ERROR_INVALID_PARAMETER;
    *pOut = value;
    return ERROR_SUCCESS;
}

LONG Deliver(BatterySetting battery, BYTE* pbEnabled, DWORD* pdwLimit) {
    if (pbEnabled == nullptr || pdwLimit == nullptr) return ERROR_INVALID_PARAMETER;
    *pbEnabled = battery.bEnabled;
    *pdwLimit = battery.dwLimit;
    return ERROR_SUCCESS;
}

}  // namespace

// The calling dialog's window is of no use to a machine without real firmware behind it.
LONG __stdcall NWLB_InitializeDll(HWND) {
    return Call(
        "InitializeDll", {}, []() -> LONG {
            Machine().Initialize();
            return ERROR_SUCCESS;
        },
        Admits::Always);
}

LONG __stdcall NWLB_FinalizeDll(void) {
    return Call("FinalizeDll", {}, []() -> LONG {
        Machine().Finalize();
        return ERROR_SUCCESS;
    });
}

LONG __stdcall NWLB_GetAllowDeviceLock(BYTE* pbAllow) {
    return Call("GetAllowDeviceLock", {}, [&] { return Deliver(Machine().AllowDeviceLock(), pbAllow); });
}

LONG __stdcall NWLB_GetCapableModes(DWORD* pdwModeMask) {
    return Call("GetCapableModes", {}, [&] { return Deliver(Machine().CapableModes(), pdwModeMask); });
}

LONG __stdcall NWLB_GetCurrentMode(DWORD* pdwMode) {
    return Call("GetCurrentMode", {}, [&] { return Deliver(Machine().CurrentMode(), pdwMode); });
}

LONG __stdcall NWLB_SetCurrentMode(DWORD dwMode) {
    return Call("SetCurrentMode", {dwMode}, [&]() -> LONG {
        Machine().HoldMode(dwMode);
        return ERROR_SUCCESS;
    });
}

LONG __stdcall NWLB_GetCurrentBattery(BYTE* pbEnabled, DWORD* pdwLimit) {
    return Call("GetCurrentBattery", {}, [&] { return Deliver(Machine().CurrentBattery(), pbEnabled, pdwLimit); });
}

LONG __stdcall NWLB_SetCurrentBattery(BYTE bEnabled, DWORD dwLimit) {
    return Call("SetCurrentBattery", {bEnabled, dwLimit}, [&]() -> LONG {
        Machine().HoldBattery({bEnabled, dwLimit});
        return ERROR_SUCCESS;
    });
}

LONG __stdcall NWLB_GetDefaultBattery(BYTE* pbEnabled, DWORD* pdwLimit) {
    return Call("GetDefaultBattery", {}, [&] { return Deliver(Machine().DefaultBattery(), pbEnabled, pdwLimit); });
}

LONG __stdcall NWLB_IsSupportMusic(BYTE* pbSupported) {
    return Call("IsSupportMusic", {}, [&] { return Deliver(Machine().SupportMusic(), pbSupported); });
}

LONG __stdcall NWLB_GetCurrentMusicMode(BYTE* pbOn) {
    return Call("GetCurrentMusicMode", {}, [&] { return Deliver(Machine().MusicMode(), pbOn); });
}

LONG __stdcall NWLB_SetCurrentMusicMode(BYTE bOn) {
    return Call("SetCurrentMusicMode", {bOn}, [&]() -> LONG {
        Machine().HoldMusicMode(bOn);
        return ERROR_SUCCESS;
    });
}

LONG __stdcall NWLB_Commit(void) {
    return Call("Commit", {}, [] { return Machine().Commit(); });
}
