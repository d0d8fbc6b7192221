#include "SessionTracking.h"

#include <dbt.h>

bool SessionActiveAfter(bool bSessionActive, WPARAM wSessionCode) {
    switch (wSessionCode) {
    case WTS_CONSOLE_CONNECT:
    case WTS_SESSION_UNLOCK:
        return true;
    case WTS_CONSOLE_DISCONNECT:
    case WTS_SESSION_LOCK:
        return false;
    default:
        return bSessionActive;
    }
}

bool IsArrivalToExamine(bool bSessionActive, WPARAM wEvent, LPARAM lParam) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    return bSessionActive && wEvent == DBT_DEVICEARRIVAL && header &&
           header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE;
}
