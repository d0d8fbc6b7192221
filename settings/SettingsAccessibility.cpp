#include "SettingsAccessibility.h"

#include <commctrl.h>

#include <string>

#include "Afx.h"
#include "resource.h"

using crvUiVista::AccessibleDescription;
using crvUiVista::TextWithoutMnemonic;

namespace {

std::wstring Percent(LRESULT nValue) { return std::to_wstring(nValue) + L"%"; }

std::wstring SelectedText(HWND hList) {
    const LRESULT nSelected = ::SendMessageW(hList, CB_GETCURSEL, 0, 0);
    if (nSelected < 0) return L"";
    std::wstring text(static_cast<size_t>(::SendMessageW(hList, CB_GETLBTEXTLEN, nSelected, 0)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::SendMessageW(hList, CB_GETLBTEXT, nSelected, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

}  // namespace

void DescribeSettingsControls(crvUiVista::AccessibleControls& controls, HWND hDialog, const BatteryGauge& gauge) {
    const auto item = [hDialog](int nId) { return ::GetDlgItem(hDialog, nId); };
    for (int nId : {IDC_CHARGE_CHECK, IDC_BATTERY_CHECK, IDC_MUSIC_CHECK}) {
        controls.Add(item(nId), [hBox = item(nId)] { return crvUiVista::CheckBoxDescription(hBox); });
    }
    // Enter acts as OK wherever the focus is but on another footer button.
    for (int nId : {IDC_DEFAULT, IDC_HELP_BUTTON, IDC_OK, IDC_CANCEL, IDC_APPLY}) {
        controls.Add(item(nId), [hButton = item(nId), bDefault = nId == IDC_OK] {
            return crvUiVista::PushButtonDescription(hButton, bDefault);
        });
    }
    for (int nId : {IDC_FOOTER_FILLER, IDC_HEADER_PICTURE, IDC_CHARGE_PICTURE, IDC_MUSIC_PICTURE}) {
        controls.Add(item(nId), [] { return crvUiVista::DecorationDescription(); });
    }
    controls.Add(item(IDC_MODE_LIST), [hList = item(IDC_MODE_LIST), hLabel = item(IDC_MODE_LABEL)] {
        return AccessibleDescription{TextWithoutMnemonic(hLabel), ROLE_SYSTEM_COMBOBOX, 0, SelectedText(hList)};
    });
    controls.Add(item(IDC_LIMIT_SLIDER), [hSlider = item(IDC_LIMIT_SLIDER), hLabel = item(IDC_LIMIT_LABEL)] {
        return AccessibleDescription{TextWithoutMnemonic(hLabel), ROLE_SYSTEM_SLIDER, 0,
                                     Percent(::SendMessageW(hSlider, TBM_GETPOS, 0, 0))};
    });
    controls.Add(item(IDC_GAUGE), [&gauge, hLabel = item(IDC_LEVEL_LABEL)] {
        return AccessibleDescription{
            TextWithoutMnemonic(hLabel), ROLE_SYSTEM_PROGRESSBAR, STATE_SYSTEM_READONLY,
            gauge.IsLevelKnown() ? Percent(gauge.GetLevel()) : AfxLoadString(IDS_LEVEL_UNKNOWN)};
    });
}
