#include "InfoCommandLine.h"

#include <string_view>

#include "LanguageOptions.h"

namespace {

bool IsBlankOrTab(wchar_t c) { return c == L' ' || c == L'\t'; }

void ApplyToken(std::wstring_view token, InfoCommandLine& result) {
    crvUiVista::ReadLanguageOption(token, result.wPrimaryLang, result.wSubLang);
    if (token == L"setup") result.bSetup = true;
}

}  // namespace

InfoCommandLine ParseInfoCommandLine(const wchar_t* pszCommandLine) {
    InfoCommandLine result;
    if (!pszCommandLine) return result;
    std::wstring_view rest(pszCommandLine);
    while (true) {
        const size_t start = rest.find_first_not_of(L'/');
        if (start == std::wstring_view::npos) break;
        rest.remove_prefix(start);
        const size_t end = rest.find(L'/');
        std::wstring_view token = rest.substr(0, end);
        rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end);
        while (!token.empty() && IsBlankOrTab(token.back())) token.remove_suffix(1);
        if (token.empty()) break;
        ApplyToken(token, result);
    }
    return result;
}
