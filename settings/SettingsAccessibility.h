#pragma once
// What the settings dialog's controls say to assistive technology beyond their window texts:
// the group check boxes and the mode list with their states and labels, the limit slider and
// the battery gauge with their labels and percentages, the footer buttons, and the pictures
// hidden as decoration. The labels keep the system's objects.
#include <windows.h>

#include "AccessibleControls.h"
#include "BatteryGauge.h"

void DescribeSettingsControls(crvUiVista::AccessibleControls& controls, HWND hDialog, const BatteryGauge& gauge);
