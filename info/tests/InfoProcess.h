#pragma once
// The installed information program as a process driven by a test, through its dialog the
// way a user's clicks and keys reach it.
#include <windows.h>

#include <string>

#include "JobProcess.h"

class InfoProcess {
public:
    // The installed program's quoted path followed by the arguments.
    static std::wstring CommandLine(const std::wstring& arguments);

    // Starts the command line inside a job object, so that the programs it starts can be
    // waited for, and waits for the visible dialog; throws when none appears.
    explicit InfoProcess(const std::wstring& commandLine);
    // Ends the program if a test left it running.
    ~InfoProcess();
    InfoProcess(const InfoProcess&) = delete;
    InfoProcess& operator=(const InfoProcess&) = delete;

    HWND Dialog() const { return m_hDialog; }
    HWND Item(int nId) const { return GetDlgItem(m_hDialog, nId); }
    HANDLE Process() const { return m_process.Process(); }
    bool WaitForEnd(DWORD timeoutMs = 10000) const { return m_process.WaitForEnd(timeoutMs); }
    // Waits until the program and everything it started have ended.
    bool WaitForAllToEnd(DWORD timeoutMs = 10000) const { return m_process.WaitForAllToEnd(timeoutMs); }
    std::wstring Caption() const;

    void Click(int nId) const;
    void Check(bool bChecked) const;
    void PressKey(WORD wKey, int nChildId) const;

private:
    testsupport::JobProcess m_process;
    HWND m_hDialog = nullptr;
};
