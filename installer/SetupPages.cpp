// setuppages.exe <output folder> <setup program>: walks the setup through its pages on a
// simulated machine with the charge feature and saves each page as <page>.bmp: welcome,
// progress (after the install) and finish. It installs into the suite's folder, with an
// installation already there moved aside meanwhile, and uninstalls again. Screenshots for
// people to look at.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "KernelHandle.h"
#include "ProcessRunner.h"
#include "SimulatedPwrio.h"
#include "SuiteFolderAside.h"
#include "Waiting.h"
#include "WindowCapture.h"

namespace {

constexpr int kNextButton = 1;

// Each page is a child dialog of the setup's window, made anew when the page changes.
HWND Page(HWND setup) { return FindWindowExW(setup, nullptr, L"#32770", nullptr); }

bool Snap(HWND setup, const std::filesystem::path& file) {
    RedrawWindow(setup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    const bool saved = testsupport::CaptureWindow(setup, file);
    std::fprintf(saved ? stdout : stderr, "%ls %ls\n", saved ? L"saved" : L"could not save", file.c_str());
    return saved;
}

// Presses Next once it is enabled, and waits for the page after it.
bool Next(HWND setup, DWORD timeoutMs) {
    const HWND next = GetDlgItem(setup, kNextButton);
    if (!testsupport::WaitUntil([&] { return IsWindowEnabled(next) != FALSE; }, timeoutMs)) return false;
    const HWND before = Page(setup);
    PostMessageW(setup, WM_COMMAND, MAKEWPARAM(kNextButton, BN_CLICKED), reinterpret_cast<LPARAM>(next));
    return testsupport::WaitUntil([&] { return Page(setup) != before && Page(setup) != nullptr; }, timeoutMs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: setuppages.exe <output folder> <setup program>\n", stderr);
        return 2;
    }
    const std::filesystem::path out(argv[1]);
    const installertest::SuiteFolderAside aside;
    const auto& folder = aside.Folder();

    testsupport::SimulatedPwrio driver;
    const KernelHandle process(testsupport::StartProgram(testsupport::Quoted(argv[2])));
    const DWORD processId = GetProcessId(process.Get());
    HWND setup = nullptr;
    bool walked = testsupport::WaitUntil([&] { return (setup = testsupport::FindProcessWindow(processId, L"#32770")); },
                                         20000) &&
                  testsupport::WaitUntil([&] { return Page(setup) != nullptr; }, 5000);
    WaitForInputIdle(process.Get(), 5000);
    walked = walked && Snap(setup, out / L"setup-welcome.bmp");
    walked = walked && Next(setup, 10000);
    // The progress page stays, with its details, until Next is pressed.
    walked = walked && testsupport::WaitUntil([&] { return IsWindowEnabled(GetDlgItem(setup, kNextButton)) != FALSE; },
                                              60000) &&
             Snap(setup, out / L"setup-progress.bmp");
    walked = walked && Next(setup, 10000) && Snap(setup, out / L"setup-finish.bmp");
    if (walked) PostMessageW(setup, WM_COMMAND, MAKEWPARAM(kNextButton, BN_CLICKED), 0);
    if (WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.Get(), 1);

    const auto uninstaller = folder / L"Uninstall.exe";
    if (std::filesystem::exists(uninstaller)) {
        const KernelHandle uninstall(
            testsupport::StartProgram(testsupport::Quoted(uninstaller.wstring()) + L" /S _?=" + folder.wstring()));
        WaitForSingleObject(uninstall.Get(), 60000);
    }
    return walked ? 0 : 1;
}
