#pragma once
// What a control shows a person, said to assistive technology: its name, role, value and the
// states that only the control knows (checked, default, read-only). The states every window
// has (unavailable, invisible, focusable, focused) are read from the window itself.
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>

namespace crvUiVista {

struct AccessibleDescription {
    std::wstring name;
    LONG nRole = ROLE_SYSTEM_CLIENT;
    LONG nState = 0;
    std::optional<std::wstring> value;
};

// A window's text as it is read out: the mnemonic's "&" dropped, "&&" kept as one "&".
std::wstring TextWithoutMnemonic(HWND hWnd);

// A push button with its text; the default one is marked.
AccessibleDescription PushButtonDescription(HWND hButton, bool bDefault);
// A check box with its text and its checked (or mixed) state.
AccessibleDescription CheckBoxDescription(HWND hCheckBox);
// A picture or a band piece that says nothing the texts do not: hidden from the tree.
AccessibleDescription DecorationDescription();

}  // namespace crvUiVista
