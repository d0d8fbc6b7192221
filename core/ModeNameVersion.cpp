#include "ModeNameVersion.h"

namespace {
constexpr DWORD Bit(int nCode) { return 1u << nCode; }
}  // namespace

int ModeNameVersion(DWORD dwCapableModes) {
    if (dwCapableModes & (Bit(1) | Bit(2))) return 1;
    if (dwCapableModes & Bit(6)) return 4;
    if (dwCapableModes & Bit(5)) return 3;
    return 2;
}
