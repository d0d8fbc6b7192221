#include "ConsoleText.h"

namespace ctl {

void WriteText(HANDLE hStream, const std::wstring& text) {
    if (text.empty() || hStream == nullptr || hStream == INVALID_HANDLE_VALUE) return;
    std::wstring lines;
    for (wchar_t c : text) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    DWORD dwMode = 0;
    DWORD dwWritten = 0;
    if (::GetConsoleMode(hStream, &dwMode)) {
        ::WriteConsoleW(hStream, lines.data(), static_cast<DWORD>(lines.size()), &dwWritten, nullptr);
        return;
    }
    const int cbUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, lines.data(), static_cast<int>(lines.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string utf8(static_cast<size_t>(cbUtf8), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, lines.data(), static_cast<int>(lines.size()), utf8.data(), cbUtf8, nullptr,
                          nullptr);
    ::WriteFile(hStream, utf8.data(), static_cast<DWORD>(utf8.size()), &dwWritten, nullptr);
}

}  // namespace ctl
