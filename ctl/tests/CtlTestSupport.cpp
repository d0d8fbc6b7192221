#include "CtlTestSupport.h"

#include <windows.h>

std::filesystem::path BuiltSettingsProgram() {
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    // <build>/ctl/tests/this.exe beside <build>/settings/Nodwell.exe
    return std::filesystem::path(szPath).parent_path().parent_path().parent_path() / L"settings" / L"Nodwell.exe";
}

std::vector<std::string> UpToCommit(const std::vector<std::string>& lines) {
    std::vector<std::string> calls;
    for (const std::string& line : lines) {
        calls.push_back(line);
        if (line.rfind("NWLB_Commit", 0) == 0) break;
    }
    return calls;
}

std::string Utf8(const std::wstring& text) {
    const int cb = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(cb), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), cb, nullptr, nullptr);
    return utf8;
}

namespace {

void AddValues(const std::wstring& path, RegistryValues& values) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return;
    wchar_t szName[256];
    for (DWORD i = 0;; ++i) {
        DWORD cchName = 256;
        DWORD dwType = 0;
        BYTE data[1024];
        DWORD cbData = sizeof(data);
        if (::RegEnumValueW(hKey, i, szName, &cchName, nullptr, &dwType, data, &cbData) != ERROR_SUCCESS) break;
        values[path + L"\\" + szName] = {dwType, std::vector<BYTE>(data, data + cbData)};
    }
    std::vector<std::wstring> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD cchName = 256;
        if (::RegEnumKeyExW(hKey, i, szName, &cchName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        subkeys.push_back(path + L"\\" + szName);
    }
    ::RegCloseKey(hKey);
    for (const std::wstring& subkey : subkeys) AddValues(subkey, values);
}

}  // namespace

RegistryValues CorvaneRegistryValues() {
    RegistryValues values;
    AddValues(L"Software\\Corvane", values);
    return values;
}

int CtlTest::Run(const std::vector<std::wstring>& arguments, WORD wPrimaryLang) {
    output = {};
    const ctl::SettingsTexts texts(BuiltSettingsProgram().wstring(), wPrimaryLang, wPrimaryLang ? 1 : 0);
    return ctl::RunCtl(arguments, texts, [] { return true; }, output);
}
