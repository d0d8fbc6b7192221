#pragma once
// Which keys typed in the page reach the browser engine. The page is read inside a dialog: the
// engine may scroll it, move the focus through it, select and copy, and nothing more. Left to
// the engine, F5 would reload the blank document (the page is gone), Backspace or Alt+Left go
// back, Ctrl+N opens a browser window and Ctrl+O, Ctrl+L, Ctrl+P and Ctrl+F the engine's dialogs.
#include <windows.h>

enum class PageKeyRoute {
    Engine,  // the engine reads it
    Dialog,  // not the engine's: the dialog's own keys (Alt+F4, mnemonics)
    Nobody,  // kept from everyone
};

// The route of a key message; bControl: the Ctrl key is down.
PageKeyRoute RoutePageKey(UINT message, WPARAM wKey, bool bControl);

// The same with the keyboard's state as the thread sees it.
inline PageKeyRoute RoutePageKey(const MSG& msg) {
    return RoutePageKey(msg.message, msg.wParam, ::GetKeyState(VK_CONTROL) < 0);
}
