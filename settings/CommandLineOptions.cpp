#include "CommandLineOptions.h"

#include <algorithm>
#include <string>

#include "LanguageOptions.h"

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
        if (!crvUiVista::ReadLanguageOption(option, options.wPrimaryLang, options.wSubLang) && option == L"noinfo") {
            options.bNoInfo = true;
        }
    }
    return options;
}
