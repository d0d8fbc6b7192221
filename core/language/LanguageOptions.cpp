#include "LanguageOptions.h"

namespace crvUiVista {

namespace {
int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}
}  // namespace

bool ReadLanguageOption(std::wstring_view option, WORD& wPrimaryLang, WORD& wSubLang) {
    if (option.size() < 2 || (option[1] != L' ' && option[1] != L'\t' && option[1] != L':')) return false;
    const wchar_t letter = option[0];
    if (letter == L'p' || letter == L'P') {
        wPrimaryLang = ReadHexValue(option.substr(2));
    } else if (letter == L's' || letter == L'S') {
        wSubLang = ReadHexValue(option.substr(2));
    } else {
        return false;
    }
    return true;
}

WORD ReadHexValue(std::wstring_view text) {
    WORD wValue = 0;
    for (const wchar_t c : text) {
        const int nDigit = HexDigitValue(c);
        if (nDigit < 0) break;
        // Shifting out the high digits keeps the low 16 bits of the whole number.
        wValue = static_cast<WORD>((wValue << 4) | nDigit);
    }
    return wValue;
}

}  // namespace crvUiVista
