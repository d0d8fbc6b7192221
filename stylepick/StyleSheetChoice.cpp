#include "StyleSheetChoice.h"

const wchar_t* ChooseStyleSheet(int nModeNameVersion, bool bMusicSupported) {
    switch (nModeNameVersion) {
        case 1: return nullptr;
        case 4: return bMusicSupported ? L"Apple2A_SM.css" : L"Apple2A.css";
        case 3: return bMusicSupported ? L"Alternate_SM.css" : L"Alternate.css";
        default: return bMusicSupported ? L"Typical_SM.css" : L"Typical.css";
    }
}
