#include "InfoCommandLine.h"

#include <cwchar>
#include <cwctype>
#include <string>
#include <string_view>

namespace {

bool IsBlankOrTab(wchar_t c) { return c == L' ' || c == L'\t'; }

// Hexadecimal up to the first character that is not a hex digit; nothing readable gives 0.
WORD ReadHex(std::wstring_view text) {
    const std::wstring digits(text);
    return static_cast<WORD>(std::wcstoul(digits.c_str(), nullptr, 16));
}

void ApplyToken(std::wstring_view token, InfoCommandLine& result) {
    if (token.size() >= 2 && (IsBlankOrTab(token[1]) || token[1] == L':')) {
        const wchar_t option = static_cast<wchar_t>(std::towlower(token[0]));
        if (option == L'p') result.wPrimaryLang = ReadHex(token.substr(2));
        if (option == L's') result.wSubLang = ReadHex(token.substr(2));
    }
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
