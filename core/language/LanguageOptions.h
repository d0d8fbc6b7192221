#pragma once
// The language options of both dialog programs' command lines: "p" (primary language) and
// "s" (sub-language), each followed by a blank, a tab or ":" and a hexadecimal value.
#include <windows.h>

#include <string_view>

namespace crvUiVista {

// Reads one option into the primary language or the sub-language; false, with nothing
// changed, when the option is neither.
bool ReadLanguageOption(std::wstring_view option, WORD& wPrimaryLang, WORD& wSubLang);

// Hexadecimal digits up to the first other character, of which the low 16 bits are kept;
// text that does not begin with a digit gives 0 (no blanks, sign or "0x" are skipped).
WORD ReadHexValue(std::wstring_view text);

}  // namespace crvUiVista
