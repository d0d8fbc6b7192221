#pragma once
// What SimpleBrowser tells its parent about the browser's events: a WM_NOTIFY whose
// parameter points at this record, valid only during the call.
#include <windows.h>
#include <commctrl.h>

#include <string>

enum BrowserNotifyCode : UINT {
    kBrowserBeforeNavigate2 = 0,  // answer non-zero to cancel the navigation
    kBrowserDocumentComplete = 1,
    kBrowserDownloadBegin = 2,
    kBrowserProgressChange = 3,
    kBrowserDownloadComplete = 4,
    kBrowserNavigateComplete2 = 5,
    kBrowserStatusTextChange = 6,
    kBrowserTitleChange = 7,
};

struct BrowserNotification {
    NMHDR hdr{};
    std::wstring url;
    std::wstring frameName;
    const BYTE* postData = nullptr;
    DWORD postDataSize = 0;
    std::wstring headers;  // never filled: the browser's headers are not passed on
    long progress = 0;
    long progressMax = 0;
    std::wstring text;  // status text or document title
};
