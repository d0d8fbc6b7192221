// The yardstick of a dialog program's own start-up cost: DialogTwin.exe <program file> shows
// the program's dialog template, read from the program's file as data, with a dialog
// procedure that does nothing. Built as the dialog programs are (same manifest: common
// controls 6, the same dpi awareness), so that what the program adds to it is its own.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "DoNothingDialog.h"

namespace {

BOOL CALLBACK KeepFirst(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<LPCWSTR*>(found) = name;
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    // The runtime's own arguments: no library more than a dialog program needs.
    const HMODULE program = __argc == 2 ? LoadLibraryExW(__wargv[1], nullptr,
                                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)
                                        : nullptr;
    if (!program) return 2;
    // Each dialog program has one template, numbered: a number outlives the enumeration.
    LPCWSTR templateName = nullptr;
    EnumResourceNamesW(program, RT_DIALOG, KeepFirst, reinterpret_cast<LONG_PTR>(&templateName));
    if (!templateName || !IS_INTRESOURCE(templateName)) return 2;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return static_cast<int>(DialogBoxParamW(program, templateName, nullptr, DoNothingDialogProc, 0));
}
