#include "ProfileText.h"

#include <windows.h>

#include "ProfileBuffer.h"

namespace storage {

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
