#pragma once
// How the agent's window procedure reads the session and device notifications.
#include <windows.h>

// The session's activity after a WM_WTSSESSION_CHANGE code: console connect and unlock make
// it active, console disconnect and lock inactive, every other code leaves it as it was.
bool SessionActiveAfter(bool bSessionActive, WPARAM wSessionCode);

// A WM_DEVICECHANGE worth examining: a device-interface arrival while the session is active.
// Anything else, removals included, is dropped for good.
bool IsArrivalToExamine(bool bSessionActive, WPARAM wEvent, LPARAM lParam);
