#pragma once
// The dialog procedure of both start-up yardsticks: it shows its template and does nothing
// else, so that all either one measures is the platform's cost of the dialog.
#include <windows.h>

inline INT_PTR CALLBACK DoNothingDialogProc(HWND hDialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hDialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
