#include "WindowStation.h"

namespace portsense {

bool IsVisibleWindowStation(HWINSTA hStation) {
    USEROBJECTFLAGS flags{};
    DWORD cbNeeded = 0;
    if (!hStation || !::GetUserObjectInformationW(hStation, UOI_FLAGS, &flags, sizeof(flags), &cbNeeded)) return false;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace portsense
