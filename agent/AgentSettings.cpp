#include "AgentSettings.h"

#include "RegistryKey.h"

DWORD ReadDontRunSrv() {
    RegistryKey key;
    if (!key.Open(HKEY_CURRENT_USER, L"Software\\Corvane\\Nodwell\\", KEY_READ)) return 0;
    return key.ReadDword(L"DontRunSrv").value_or(0);
}
