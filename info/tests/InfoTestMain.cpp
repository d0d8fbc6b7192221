// The information program's window tests run as the program does: common controls, GDI+ and
// OLE started, its bitmaps registered in the UI resource table.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "ImageHelper.h"
#include "Resource.h"
#include "UiResourceTable.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    crvUiVista::GdiplusSession gdiplus;
    OleInitialize(nullptr);
    HMODULE hSelf = GetModuleHandleW(nullptr);
    crvUiVista::RegisterHeaderBannerSet(hSelf, IDB_BANNER_FILL, IDB_BANNER_END);
    crvUiVista::RegisterButtonSet(hSelf, IDB_BUTTON_NORMAL, IDB_BUTTON_HOT, IDB_BUTTON_PRESSED);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
