#include "AccessibleReading.h"

#include "Afx.h"
#include "ComApartment.h"

namespace {

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t ch : text) narrow += ch < 0x80 ? static_cast<char>(ch) : '?';
    return narrow;
}

// As the modal loop does: the windows' own translation first, then the dialog manager.
void Deliver(HWND hDialog, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{::GetFocus(), message, wParam, lParam, ::GetMessageTime(), {}};
    if (!afx::PreTranslateInChain(hDialog, &msg) && !::IsDialogMessageW(hDialog, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void SetKeyDown(BYTE vk, bool bDown) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[vk] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

}  // namespace

void PrintTo(const AccessibleRow& row, std::ostream* os) {
    *os << "{" << row.nId << ", \"" << Narrow(row.name) << "\", role " << row.nRole << ", state 0x" << std::hex
        << row.nState << std::dec << ", value " << (row.value ? "\"" + Narrow(*row.value) + "\"" : "none") << "}";
}

AccessibleRow ReadAccessible(HWND hDialog, int nId) {
    const crvUiVista::ComApartment com;
    AccessibleRow row{nId, L"?", -1, -1, std::nullopt};
    IAccessible* pAccessible = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(::GetDlgItem(hDialog, nId), OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&pAccessible)))) {
        return row;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    // A text the object gives, or nothing when it has none.
    const auto text = [&self, pAccessible](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        BSTR bstr = nullptr;
        std::optional<std::wstring> result;
        if ((pAccessible->*get)(self, &bstr) == S_OK && bstr) result = std::wstring(bstr, ::SysStringLen(bstr));
        ::SysFreeString(bstr);
        return result;
    };
    row.name = text(&IAccessible::get_accName).value_or(L"?");
    VARIANT role{};
    VARIANT state{};
    if (SUCCEEDED(pAccessible->get_accRole(self, &role)) && role.vt == VT_I4) row.nRole = role.lVal;
    if (SUCCEEDED(pAccessible->get_accState(self, &state)) && state.vt == VT_I4) row.nState = state.lVal;
    row.value = text(&IAccessible::get_accValue);
    pAccessible->Release();
    return row;
}

void PressKey(HWND hDialog, UINT nVirtualKey, bool bShift) {
    SetKeyDown(VK_SHIFT, bShift);
    Deliver(hDialog, WM_KEYDOWN, nVirtualKey, 1);
    Deliver(hDialog, WM_KEYUP, nVirtualKey, 0xC0000001);
    SetKeyDown(VK_SHIFT, false);
}

void PressMnemonic(HWND hDialog, wchar_t chLetter) {
    SetKeyDown(VK_MENU, true);
    Deliver(hDialog, WM_SYSCHAR, chLetter, 0x20000001);
    SetKeyDown(VK_MENU, false);
}

std::vector<int> WalkWithTab(HWND hDialog, size_t nSteps, bool bBackwards) {
    std::vector<int> visited;
    for (size_t i = 0; i < nSteps; ++i) {
        PressKey(hDialog, VK_TAB, bBackwards);
        visited.push_back(::GetDlgCtrlID(::GetFocus()));
    }
    return visited;
}
