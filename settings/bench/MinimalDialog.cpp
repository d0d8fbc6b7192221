// The yardstick of the start-up benchmark: the least a dialog program can do, a modal dialog
// with one button from a template in the program.
#include <windows.h>

#include "DoNothingDialog.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    return static_cast<int>(DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), nullptr, DoNothingDialogProc, 0));
}
