#pragma once
// Resource and control ids of the information program. Plain defines: the resource compiler
// reads this file too.

#define IDD_NODWELLINFO_DIALOG 102

// Icon and bitmaps, always in the program's own file.
#define IDR_MAINFRAME 128
#define IDB_BUTTON_HOT 129
#define IDB_BANNER_FILL 130
#define IDB_BANNER_END 131
#define IDB_BUTTON_PRESSED 132
#define IDB_BUTTON_NORMAL 133
#define IDB_PAGE_PORT 138
#define IDB_HEADER_PICTURE 141
#define IDB_PAGE_LINE_IN 148

// HTML pages (resource type 23), in the language module: 137 for mode-name version 1,
// 150 for the others.
#define IDR_HTML_PAGE_MODES 137
#define IDR_HTML_PAGE_FAMILIES 150

// Texts, in the language module.
#define IDS_DONT_SHOW_HELP 140
#define IDS_INFO_CAPTION 141
#define IDS_INFO_TITLE 142
#define IDS_INFO_DESCRIPTION 143
#define IDS_DONT_SHOW_WINDOW 144
#define IDS_BUTTON_OK 145
#define IDS_BUTTON_CANCEL 146
#define IDS_BUTTON_SETUP_NOW 147

// Controls of dialog 102.
#define IDC_FOOTER_FILLER 1000
#define IDC_BUTTON_OK 1001
#define IDC_BUTTON_CANCEL 1002
#define IDC_HEADER_PICTURE 1003
#define IDC_BUTTON_SETUP_NOW 1005
#define IDC_TITLE 1006
#define IDC_DESCRIPTION 1007
#define IDC_DONT_SHOW 1008
#define IDC_BROWSER 1009
