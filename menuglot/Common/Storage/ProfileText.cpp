#include "ProfileText.h"

#include <windows.h>

namespace storage {
namespace {

constexpr DWORD kFirstBufferSize = 256;

// Calls read(buffer, size) with a doubling buffer until the count it returns leaves room: the
// profile functions report a cut text as size - 1 (values) or size - 2 (lists).
template <typename Read>
std::wstring readGrowing(Read read) {
    std::wstring buffer(kFirstBufferSize, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD count = read(buffer.data(), size);
        if (count < size - 2) {
            buffer.resize(count);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

// Splits "a\0b\0\0" into its strings; the list ends at the first empty one.
std::vector<std::wstring> splitList(const std::wstring& list) {
    std::vector<std::wstring> names;
    std::size_t start = 0;
    while (start < list.size() && list[start] != L'\0') {
        const std::size_t end = list.find(L'\0', start);
        const std::size_t stop = end == std::wstring::npos ? list.size() : end;
        names.push_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return names;
}

}  // namespace

std::wstring readProfileString(const std::wstring& section, const wchar_t* key, const wchar_t* defaultText,
                               const std::wstring& file) {
    return readGrowing([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(section.c_str(), key, defaultText, buffer, size, file.c_str());
    });
}

std::vector<std::wstring> getSectionNames(const std::wstring& file) {
    return splitList(readGrowing(
        [&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionNamesW(buffer, size, file.c_str()); }));
}

std::vector<std::wstring> getProfileKeyNames(const std::wstring& section, const std::wstring& file) {
    return splitList(readGrowing([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer, size, file.c_str());
    }));
}

}  // namespace storage
