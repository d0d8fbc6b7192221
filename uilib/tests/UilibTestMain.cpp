// The library draws from bitmaps registered at start-up and from GDI+, as in the programs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "ImageHelper.h"
#include "UilibTestIds.h"
#include "UiResourceTable.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    crvUiVista::GdiplusSession gdiplus;
    RegisterSettingsImages();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
