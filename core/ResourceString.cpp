#include "ResourceString.h"

std::wstring LoadResourceString(HMODULE hModule, UINT nId) {
    if (!hModule) return {};
    const wchar_t* text = nullptr;
    // With a zero length LoadString hands out the resource's own read-only text.
    const int length = ::LoadStringW(hModule, nId, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
