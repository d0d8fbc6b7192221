// Menuglot: gives a start-menu folder and its shortcuts localised names by copying them from an
// INI description beside the program into the folder's desktop.ini. No window, no console; it
// answers with its exit code and its debug log.
#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "Common/DebugLog/DebugLog.h"
#include "DesktopIniInfo.h"
#include "Ini.h"

namespace {

constexpr wchar_t kLogSourceFile[] = L".\\StartMenu.cpp";
constexpr wchar_t kFunction[] = L" (wWinMain)";
constexpr int kDescriptionMissing = -1;

LogSite site(int line, LogLevel level) { return LogSite{kLogSourceFile, line, kFunction, L"", level}; }

// The description file names itself after the program: x.exe reads x.ini.
std::wstring defaultDescriptionName(const wchar_t* modulePath) {
    std::wstring name = PathFindFileNameW(modulePath);
    if (name.size() >= 3) name.replace(name.size() - 3, 3, L"ini");
    return name;
}

const wchar_t* skipBlanks(const wchar_t* text) {
    while (*text == L' ' || *text == L'\t') ++text;
    return text;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    wchar_t modulePath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    wchar_t szModuleFilePath[MAX_PATH] = {};
    wcscpy_s(szModuleFilePath, modulePath);
    PathRemoveFileSpecW(szModuleFilePath);
    writeLog(site(__LINE__, LogLevel::Trace), L"%s = %s", L"szModuleFilePath", szModuleFilePath);

    // The argument is always taken relative to the program folder, quotes and all. The path is
    // built without a length limit, so an overlong argument names no existing file rather than
    // a cut one.
    const wchar_t* argument = skipBlanks(commandLine ? commandLine : L"");
    const std::wstring szIniFilePath = std::wstring(szModuleFilePath) + L"\\" +
                                       (*argument ? std::wstring(argument) : defaultDescriptionName(modulePath));
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
