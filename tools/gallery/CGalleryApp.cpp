#include "CGalleryApp.h"

#include <commctrl.h>

#include "CGalleryDlg.h"
#include "GalleryIds.h"
#include "ImageHelper.h"
#include "UiResourceTable.h"

CGalleryApp theApp;

BOOL CGalleryApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const crvUiVista::GdiplusSession gdiplus;
    crvUiVista::RegisterHeaderBannerSet(AfxGetInstanceHandle(), IDB_BANNER_FILL, IDB_BANNER_END);
    crvUiVista::RegisterButtonSet(AfxGetInstanceHandle(), IDB_BUTTON_NORMAL, IDB_BUTTON_HOT, IDB_BUTTON_PRESSED);
    CGalleryDlg dialog;
    dialog.DoModal();
    // The dialog was the whole program.
    return FALSE;
}
