#pragma once
// The user's choice not to see the information window again, kept as "DontShowInfo"; when
// declined, the background agent is stopped and told not to run again ("DontRunSrv").
#include <functional>

// Non-zero "DontShowInfo"; missing or unreadable counts as not checked.
bool ReadDontShowChoice();

// Checked: stopAgent runs first (also when the key then cannot be written), then
// "DontRunSrv" = 1 and "DontShowInfo" = 1. Unchecked: only "DontShowInfo" = 0.
void SaveDontShowChoice(bool bChecked, const std::function<void()>& stopAgent);
