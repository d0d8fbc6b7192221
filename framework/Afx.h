#pragma once
// The suite's application framework: application, windows, dialogs, frames and controls.
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CFrameWnd.h"
#include "CSliderCtrl.h"
#include "CStatic.h"
#include "CWinApp.h"
#include "CWnd.h"
