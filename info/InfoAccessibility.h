#pragma once
// What the information dialog's controls say to assistive technology: the do-not-show check
// box with its state, the footer buttons (the one Enter presses marked as default), and the
// header picture and footer filler hidden as decoration. The header texts and the page view
// keep the system's objects.
#include <windows.h>

#include "AccessibleControls.h"

void DescribeInfoControls(crvUiVista::AccessibleControls& controls, HWND hDialog, bool bSetupMode);
