#include "AgentSettings.h"

#include "NodwellSettingsKey.h"

DWORD ReadDontRunSrv() { return NodwellSettingsKey::Read(L"DontRunSrv").value_or(0); }
