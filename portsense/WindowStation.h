#pragma once
// Whether a window station is the one a user sees.
#include <windows.h>

namespace portsense {

// False for a service's window station (session 0, where setup runs when a deployment service
// installs the suite as SYSTEM): a message box there waits for a click nobody can give.
bool IsVisibleWindowStation(HWINSTA hStation);

}  // namespace portsense
