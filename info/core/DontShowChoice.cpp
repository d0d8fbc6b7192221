#include "DontShowChoice.h"

#include "NodwellSettingsKey.h"

bool ReadDontShowChoice() { return NodwellSettingsKey::Read(L"DontShowInfo").value_or(0) != 0; }

void SaveDontShowChoice(bool bChecked, const std::function<void()>& stopAgent) {
    if (bChecked) {
        stopAgent();
        NodwellSettingsKey::Write({{L"DontRunSrv", 1}, {L"DontShowInfo", 1}});
    } else {
        NodwellSettingsKey::Write({{L"DontShowInfo", 0}});
    }
}
