#include "StyleSheetChoice.h"

const wchar_t* ChooseStyleSheet(uint32_t modeBits, bool bMusicSupported) {
    // Bit 0 carries no family.
    const uint32_t bits = modeBits & 0xFE;
    if (bits & (0x02 | 0x04)) return nullptr;
    if (bits & 0x40) return bMusicSupported ? L"Apple2A_SM.css" : L"Apple2A.css";
    if (bits & 0x20) return bMusicSupported ? L"Alternate_SM.css" : L"Alternate.css";
    return bMusicSupported ? L"Typical_SM.css" : L"Typical.css";
}
