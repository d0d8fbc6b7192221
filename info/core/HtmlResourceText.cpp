#include "HtmlResourceText.h"

#include <cstring>
#include <cwctype>
#include <vector>

namespace {

constexpr wchar_t kByteOrderMark = 0xFEFF;

// Resource data need not be aligned for 16-bit reads.
std::vector<wchar_t> Units(const void* pData, size_t nBytes) {
    std::vector<wchar_t> units(nBytes / 2);
    if (!units.empty()) std::memcpy(units.data(), pData, units.size() * sizeof(wchar_t));
    return units;
}

bool StartsWithHtmlTag(const std::vector<wchar_t>& units) {
    if (units.size() < 5 || units[0] != L'<') return false;
    const wchar_t html[] = L"HTML";
    for (size_t i = 0; i < 4; ++i) {
        if (static_cast<wchar_t>(std::towupper(units[i + 1])) != html[i]) return false;
    }
    return true;
}

}  // namespace

std::wstring DecodeHtmlResource(const void* pData, size_t nBytes) {
    const std::vector<wchar_t> units = Units(pData, nBytes);
    if (!units.empty() && units[0] == kByteOrderMark) return std::wstring(units.begin() + 1, units.end());
    if (StartsWithHtmlTag(units)) return std::wstring(units.begin(), units.end());
    if (nBytes == 0) return {};
    const auto* pText = static_cast<const char*>(pData);
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, pText, static_cast<int>(nBytes), nullptr, 0);
    std::wstring text(static_cast<size_t>(nLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, pText, static_cast<int>(nBytes), text.data(), nLength);
    return text;
}

std::wstring LoadHtmlResource(HMODULE hModule, UINT nId) {
    HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(nId), MAKEINTRESOURCEW(23) /* RT_HTML */);
    HGLOBAL hData = hResource ? ::LoadResource(hModule, hResource) : nullptr;
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    if (!pData) return {};
    return DecodeHtmlResource(pData, ::SizeofResource(hModule, hResource));
}
