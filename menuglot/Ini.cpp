#include "Ini.h"

#include <shlwapi.h>

#include <cwctype>
#include <vector>

#include "Common/DebugLog/DebugLog.h"
#include "Common/Storage/ProfileText.h"
#include "Common/Storage/Storage.h"
#include "Environment.h"

namespace {

constexpr wchar_t kLogSourceFile[] = L".\\Ini.cpp";
constexpr DWORD kDesktopIniAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

HRESULT logFailure(int line, const wchar_t* function, HRESULT result) {
    writeLog(LogSite{kLogSourceFile, line, function, L"", LogLevel::Error}, L"Error Code: 0x%x", result);
    return result;
}

void writeLocalizedEntries(const DesktopIniInfo& info) {
    // Single key writes may fail; the attributes that follow still mark what was written.
    const wchar_t* file = info.desktopIniPath.c_str();
    if (!info.localizedResourceName.empty()) {
        WritePrivateProfileStringW(L".ShellClassInfo", L"LocalizedResourceName", info.localizedResourceName.c_str(),
                                   file);
    }
    for (const auto& [key, value] : info.localizedFileNames) {
        WritePrivateProfileStringW(L"LocalizedFileNames", key.c_str(), value.c_str(), file);
    }
}

bool createEmptyFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), 0, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// A drive letter with its root, or a UNC or device path: anything else names one file for
// CreateFileW (the current folder) and another for the profile functions (the Windows folder).
bool isFullPath(const std::wstring& path) {
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    const bool fromDriveRoot = path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && separator(path[2]);
    const bool fromServer = path.size() >= 2 && separator(path[0]) && separator(path[1]);
    return fromDriveRoot || fromServer;
}

// The profile functions take no file name of MAX_PATH characters or more.
bool isUsableDesktopIniPath(const std::wstring& path) { return isFullPath(path) && path.size() < MAX_PATH; }

std::wstring containingFolder(const std::wstring& path) {
    std::vector<wchar_t> folder(path.begin(), path.end());
    folder.push_back(L'\0');
    PathRemoveFileSpecW(folder.data());
    return folder.data();
}

}  // namespace

HRESULT readIni(const std::wstring& iniFilePath, DesktopIniInfo& info) {
    constexpr wchar_t kFunction[] = L" (readIni)";
    // Both values are read and expanded whole, however long: a value cut to a fixed buffer would
    // name a desktop.ini nobody asked for, or store a display name truncated. A path that the
    // profile functions cannot honour is refused before anything is created.
    const std::wstring desktopIniPath = storage::readProfileString(L"ShortcutInfo", L"DesktopIniPath", L"", iniFilePath);
    if (desktopIniPath.empty()) return logFailure(__LINE__, kFunction, E_FAIL);
    info.desktopIniPath = expandEnvironment(desktopIniPath);
    if (!isUsableDesktopIniPath(info.desktopIniPath)) return logFailure(__LINE__, kFunction, E_FAIL);
    info.localizedResourceName =
        expandEnvironment(storage::readProfileString(L".ShellClassInfo", L"LocalizedResourceName", L"", iniFilePath));

    StorageHandle fileNames(L"LocalizedFileNames", iniFilePath.c_str());
    if (!fileNames.isOpen()) return logFailure(__LINE__, kFunction, E_FAIL);
    storage::NameList keys;
    if (!fileNames.getKeyNames(keys)) return logFailure(__LINE__, kFunction, E_FAIL);
    for (const auto& key : keys) {
        std::wstring value;
        if (!fileNames.getString(key.c_str(), value)) continue;
        std::wstring expanded = expandEnvironment(value);
        writeLog(LogSite{kLogSourceFile, __LINE__, kFunction, L"", LogLevel::Trace}, L"%s = %s", L"szExpData",
                 expanded.c_str());
        info.localizedFileNames.emplace_back(key, std::move(expanded));
    }
    return S_OK;
}

HRESULT writeIni(const DesktopIniInfo& info) {
    constexpr wchar_t kFunction[] = L" (writeIni)";
    if (!PathFileExistsW(info.desktopIniPath.c_str()) && !createEmptyFile(info.desktopIniPath)) {
        return logFailure(__LINE__, kFunction, HRESULT_FROM_WIN32(GetLastError()));
    }
    writeLocalizedEntries(info);
    if (!SetFileAttributesW(info.desktopIniPath.c_str(), kDesktopIniAttributes)) {
        return logFailure(__LINE__, kFunction, E_FAIL);
    }
    if (!SetFileAttributesW(containingFolder(info.desktopIniPath).c_str(), FILE_ATTRIBUTE_SYSTEM)) {
        return logFailure(__LINE__, kFunction, E_FAIL);
    }
    return S_OK;
}
