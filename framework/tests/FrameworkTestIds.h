#pragma once
#define IDD_TEST 100
#define IDC_ACTION 1001
#define IDC_CHECK 1002
#define IDC_EDIT 1003
#define IDS_FRAME_TITLE 200
