#pragma once
// Private-profile reads that grow their buffer until the whole text fits.
#include <string>
#include <vector>

namespace storage {

// GetPrivateProfileStringW of one key; the default is returned when the key is missing.
std::wstring readProfileString(const std::wstring& section, const wchar_t* key, const wchar_t* defaultText,
                               const std::wstring& file);

// All section names of the file, in file order.
std::vector<std::wstring> getSectionNames(const std::wstring& file);

// All key names of one section, in file order.
std::vector<std::wstring> getProfileKeyNames(const std::wstring& section, const std::wstring& file);

}  // namespace storage
