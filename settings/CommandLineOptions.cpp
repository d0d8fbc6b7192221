#include "CommandLineOptions.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {

WORD ReadHex(const std::wstring& digits) {
    return static_cast<WORD>(std::wcstoul(digits.c_str(), nullptr, 16));
}

}  // namespace

CommandLineOptions ParseCommandLine(const wchar_t* lpszCommandLine) {
    CommandLineOptions options;
    const std::wstring line = lpszCommandLine ? lpszCommandLine : L"";
    // Blanks before the first option come from the way the line was split off the program name.
    size_t start = std::min(line.find_first_not_of(L" \t"), line.size());
    while (start < line.size()) {
        // Repeated separators give no empty options.
        start = line.find_first_not_of(L'/', start);
        if (start == std::wstring::npos) break;
        const size_t end = std::min(line.find(L'/', start), line.size());
        std::wstring option = line.substr(start, end - start);
        start = end;
        option.erase(option.find_last_not_of(L" \t") + 1);
        if (option.empty()) break;

        const wchar_t first = static_cast<wchar_t>(std::towlower(option[0]));
        const bool valued = option.size() >= 2 && (option[1] == L' ' || option[1] == L'\t' || option[1] == L':');
        if (valued && first == L'p') {
            options.wPrimaryLang = ReadHex(option.substr(2));
        } else if (valued && first == L's') {
            options.wSubLang = ReadHex(option.substr(2));
        } else if (option == L"noinfo") {
            options.bNoInfo = true;
        }
    }
    return options;
}
