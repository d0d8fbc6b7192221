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

int CtlTest::Run(const std::vector<std::wstring>& arguments, WORD wPrimaryLang) {
    output = {};
    const ctl::SettingsTexts texts(BuiltSettingsProgram().wstring(), wPrimaryLang, wPrimaryLang ? 1 : 0);
    return ctl::RunCtl(arguments, texts, output);
}
