#include "InfoAccessibility.h"

#include "Resource.h"

void DescribeInfoControls(crvUiVista::AccessibleControls& controls, HWND hDialog, bool bSetupMode) {
    const HWND hCheckBox = ::GetDlgItem(hDialog, IDC_DONT_SHOW);
    controls.Add(hCheckBox, [hCheckBox] { return crvUiVista::CheckBoxDescription(hCheckBox); });
    // Enter runs Setup Now in setup mode and OK otherwise.
    const int nDefaultId = bSetupMode ? IDC_BUTTON_SETUP_NOW : IDC_BUTTON_OK;
    for (int nId : {IDC_BUTTON_OK, IDC_BUTTON_SETUP_NOW, IDC_BUTTON_CANCEL}) {
        controls.Add(::GetDlgItem(hDialog, nId), [hButton = ::GetDlgItem(hDialog, nId), bDefault = nId == nDefaultId] {
            return crvUiVista::PushButtonDescription(hButton, bDefault);
        });
    }
    for (int nId : {IDC_FOOTER_FILLER, IDC_HEADER_PICTURE}) {
        controls.Add(::GetDlgItem(hDialog, nId), [] { return crvUiVista::DecorationDescription(); });
    }
}
