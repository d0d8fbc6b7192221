#include "AccessibleDescription.h"

namespace crvUiVista {

std::wstring TextWithoutMnemonic(HWND hWnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    std::wstring spoken;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        spoken += text[i];
    }
    return spoken;
}

AccessibleDescription PushButtonDescription(HWND hButton, bool bDefault) {
    return {TextWithoutMnemonic(hButton), ROLE_SYSTEM_PUSHBUTTON, bDefault ? STATE_SYSTEM_DEFAULT : 0, std::nullopt};
}

AccessibleDescription CheckBoxDescription(HWND hCheckBox) {
    const LRESULT check = ::SendMessageW(hCheckBox, BM_GETCHECK, 0, 0);
    const LONG nState = check == BST_CHECKED         ? STATE_SYSTEM_CHECKED
                        : check == BST_INDETERMINATE ? STATE_SYSTEM_MIXED
                                                     : 0;
    return {TextWithoutMnemonic(hCheckBox), ROLE_SYSTEM_CHECKBUTTON, nState, std::nullopt};
}

AccessibleDescription DecorationDescription() {
    return {L"", ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_READONLY, std::nullopt};
}

}  // namespace crvUiVista
