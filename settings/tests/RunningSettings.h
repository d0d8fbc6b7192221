#pragma once
// The installed settings program started as a person starts it, for the end-to-end tests that
// drive it through its windows (the settings program's own, and NodwellCtl's).
#include <windows.h>

#include <filesystem>
#include <string>

#include "ProcessRunner.h"
#include "SuiteFolders.h"
#include "Waiting.h"
#include "resource.h"

inline constexpr wchar_t kDialogClass[] = L"#32770";

inline std::filesystem::path SettingsProgram() { return testsupport::InstallFolder() / L"Nodwell.exe"; }

// One running settings program; ended by its Cancel button, or terminated, when it goes.
class RunningSettings {
public:
    explicit RunningSettings(const std::wstring& arguments)
        : m_hProcess(testsupport::StartProgram(testsupport::Quoted(SettingsProgram().wstring()) + L" " + arguments)) {}
    ~RunningSettings() {
        if (HWND hDialog = Dialog()) {
            ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDC_CANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, IDC_CANCEL)));
        }
        if (::WaitForSingleObject(m_hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(m_hProcess, 1);
        ::CloseHandle(m_hProcess);
    }
    RunningSettings(const RunningSettings&) = delete;
    RunningSettings& operator=(const RunningSettings&) = delete;

    // The visible settings dialog, or null.
    HWND Dialog() const { return testsupport::FindProcessWindow(::GetProcessId(m_hProcess), kDialogClass); }
    // The settings dialog, also while it is not shown yet.
    HWND CreatedDialog() const {
        return testsupport::FindProcessWindow(::GetProcessId(m_hProcess), kDialogClass, true);
    }
    HWND WaitForDialog() const {
        HWND hDialog = nullptr;
        testsupport::WaitUntil([&] { return (hDialog = Dialog()) != nullptr; }, 20000);
        return hDialog;
    }
    bool HasEnded(DWORD dwTimeoutMs) const { return ::WaitForSingleObject(m_hProcess, dwTimeoutMs) == WAIT_OBJECT_0; }
    void Click(int nId) const {
        HWND hDialog = Dialog();
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nId)));
    }

private:
    HANDLE m_hProcess;
};
