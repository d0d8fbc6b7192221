#include "InfoModeNameVersion.h"

#include "ModeNameVersion.h"
#include "NodwellLib.h"
#include "NodwellSettingsKey.h"
#include "Resource.h"

std::optional<DWORD> QueryCapableModes(HWND hWnd) {
    if (NWLB_InitializeDll(hWnd) != 0) return std::nullopt;
    DWORD dwMask = 0;
    const bool bRead = NWLB_GetCapableModes(&dwMask) == 0;
    NWLB_FinalizeDll();
    if (!bRead) return std::nullopt;
    return dwMask;
}

int DetermineModeNameVersion(std::optional<DWORD> capableModes, bool bSetupMode) {
    int nVersion = capableModes ? ModeNameVersion(*capableModes) : 2;
    if (bSetupMode) {
        NodwellSettingsKey::Write({{L"ModeNameVer", static_cast<DWORD>(nVersion)}});
    } else if (const auto stored = NodwellSettingsKey::Read(L"ModeNameVer")) {
        nVersion = static_cast<int>(*stored);
    }
    return nVersion;
}

UINT InformationPageFor(int nModeNameVer) { return nModeNameVer == 1 ? IDR_HTML_PAGE_MODES : IDR_HTML_PAGE_FAMILIES; }
