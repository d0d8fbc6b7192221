#pragma once
#include <cstdint>

// The style sheet that fits a machine's charge-mode family: modeBits is the data word of the
// first good mode-table entry. Null when the machine needs none (modes 0x02 or 0x04).
const wchar_t* ChooseStyleSheet(uint32_t modeBits, bool bMusicSupported);
