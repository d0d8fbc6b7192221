#pragma once
// The family of mode names a machine's hardware belongs to, from its capable-modes mask: it
// picks the mode list's labels, the information page and the style sheet.
#include <windows.h>

// 1 (numbered modes) when mode 1 or 2 is offered; otherwise 4 (auto and 2 A) for mode 6,
// 3 (auto and typical) for mode 5, else 2 (typical and alternate).
int ModeNameVersion(DWORD dwCapableModes);
