// NodwellCtl.exe: reads and sets the sleep features from the command line, without the dialog.
#include <windows.h>

#include <string>
#include <vector>

#include "ConsoleText.h"
#include "CtlMain.h"
#include "SettingsTexts.h"

namespace {

std::wstring ProgramFolder() {
    wchar_t szPath[MAX_PATH] = {};
    const DWORD cch = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath, cch);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = ProgramFolder();
    // The library is loaded at its first call (delay-loaded), so that its absence is an answer
    // rather than a program that cannot start. It lies beside the suite's programs.
    const auto loadLibrary = [&folder] { return ::LoadLibraryW((folder + L"NodwellLib.dll").c_str()) != nullptr; };
    // The mode names are the settings program's, in the user's language.
    const ctl::SettingsTexts texts(folder + L"Nodwell.exe");
    ctl::Output output;
    const int exitCode = ctl::RunCtl({argv + 1, argv + argc}, texts, loadLibrary, output);
    ctl::WriteText(::GetStdHandle(STD_OUTPUT_HANDLE), output.strOut);
    ctl::WriteText(::GetStdHandle(STD_ERROR_HANDLE), output.strErr);
    return exitCode;
}
