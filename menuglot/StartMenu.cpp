// Menuglot: gives a start-menu folder and its shortcuts localised names by copying them from an
// INI description beside the program into the folder's desktop.ini. No window, no console; it
// answers with its exit code and its debug log.
#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "Common/DebugLog/DebugLog.h"
#include "DescriptionPath.h"
#include "DesktopIniInfo.h"
#include "Ini.h"

namespace {

constexpr wchar_t kLogSourceFile[] = L".\\StartMenu.cpp";
constexpr wchar_t kFunction[] = L" (wWinMain)";
constexpr int kDescriptionMissing = -1;

LogSite site(int line, LogLevel level) { return LogSite{kLogSourceFile, line, kFunction, L"", level}; }

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    wchar_t modulePath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    wchar_t szModuleFilePath[MAX_PATH] = {};
    wcscpy_s(szModuleFilePath, modulePath);
    PathRemoveFileSpecW(szModuleFilePath);
    writeLog(site(__LINE__, LogLevel::Trace), L"%s = %s", L"szModuleFilePath", szModuleFilePath);

    const std::wstring szIniFilePath = descriptionPath(szModuleFilePath, modulePath, commandLine);
    writeLog(site(__LINE__, LogLevel::Trace), L"%s = %s", L"szIniFilePath", szIniFilePath.c_str());

    if (!PathFileExistsW(szIniFilePath.c_str())) {
        writeLog(site(__LINE__, LogLevel::Error), L"ASSERT( %s )", L"::PathFileExists(szIniFilePath)");
        return kDescriptionMissing;
    }

    DesktopIniInfo info;
    HRESULT result = readIni(szIniFilePath, info);
    if (FAILED(result)) {
        writeLog(site(__LINE__, LogLevel::Error), L"Error Code: 0x%x", result);
        return static_cast<int>(result);
    }
    result = writeIni(info);
    if (FAILED(result)) {
        writeLog(site(__LINE__, LogLevel::Error), L"Error Code: 0x%x", result);
        return static_cast<int>(result);
    }
    return 0;
}
