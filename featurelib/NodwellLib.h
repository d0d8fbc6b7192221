/* The Nodwell feature library: the 13 functions through which the suite reads and changes
 * what the machine does while it sleeps or is off. Every function returns a status, 0 on
 * success; an out-value is written only on success, so callers preset their fallbacks.
 * Mode codes: 0 switches Zazez and Charge off, 1 to 6 are power-supply modes; the capable-modes
 * mask has bit (1 << code) set for each mode the machine offers. */
#ifndef NODWELLLIB_H
#define NODWELLLIB_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Must succeed before any other call; again while initialised it succeeds as well. */
LONG __stdcall NWLB_InitializeDll(HWND hWnd);
/* One call ends the initialisation and drops set calls not yet committed. */
LONG __stdcall NWLB_FinalizeDll(void);

/* Non-zero: the user may change the settings. */
LONG __stdcall NWLB_GetAllowDeviceLock(BYTE* pbAllow);
LONG __stdcall NWLB_GetCapableModes(DWORD* pdwModeMask);

LONG __stdcall NWLB_GetCurrentMode(DWORD* pdwMode);
LONG __stdcall NWLB_SetCurrentMode(DWORD dwMode);

/* Operation on battery, and its lower limit of remaining battery life in percent (2 to 99). */
LONG __stdcall NWLB_GetCurrentBattery(BYTE* pbEnabled, DWORD* pdwLimit);
LONG __stdcall NWLB_SetCurrentBattery(BYTE bEnabled, DWORD dwLimit);
/* The factory values of the two above. */
LONG __stdcall NWLB_GetDefaultBattery(BYTE* pbEnabled, DWORD* pdwLimit);

/* Non-zero: the machine has Zazez and Music. */
LONG __stdcall NWLB_IsSupportMusic(BYTE* pbSupported);
LONG __stdcall NWLB_GetCurrentMusicMode(BYTE* pbOn);
LONG __stdcall NWLB_SetCurrentMusicMode(BYTE bOn);

/* Puts the values of the preceding set calls into effect. */
LONG __stdcall NWLB_Commit(void);

#ifdef __cplusplus
}
#endif

#endif /* NODWELLLIB_H */
