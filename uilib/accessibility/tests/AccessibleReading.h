#pragma once
// What assistive technology reads from a dialog's controls, through oleacc as a screen reader
// asks, and the keys a person presses, handed to the dialog as its modal loop hands them on.
// Shared by the dialogs' tests.
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The states as the tables write them.
namespace states {
inline constexpr LONG F = STATE_SYSTEM_FOCUSABLE;
inline constexpr LONG Fd = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED;
inline constexpr LONG C = STATE_SYSTEM_CHECKED;
inline constexpr LONG U = STATE_SYSTEM_UNAVAILABLE;
inline constexpr LONG I = STATE_SYSTEM_INVISIBLE;
inline constexpr LONG R = STATE_SYSTEM_READONLY;
inline constexpr LONG Decoration = I | R;
}  // namespace states

// One row of a dialog's accessibility table.
struct AccessibleRow {
    int nId;
    std::wstring name;
    LONG nRole;
    LONG nState;
    std::optional<std::wstring> value;
    bool operator==(const AccessibleRow&) const = default;
};
void PrintTo(const AccessibleRow& row, std::ostream* os);

// The control nId of hDialog as AccessibleObjectFromWindow gives it.
AccessibleRow ReadAccessible(HWND hDialog, int nId);

// A key pressed where the focus is, with Shift held or not.
void PressKey(HWND hDialog, UINT nVirtualKey, bool bShift = false);
// Alt and a letter.
void PressMnemonic(HWND hDialog, wchar_t chLetter);
// The ids the focus visits on nSteps presses of Tab (Shift+Tab with bBackwards).
std::vector<int> WalkWithTab(HWND hDialog, size_t nSteps, bool bBackwards);
