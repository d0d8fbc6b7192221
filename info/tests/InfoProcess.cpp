#include "InfoProcess.h"

#include <stdexcept>

#include "ProcessRunner.h"
#include "SuiteFolders.h"
#include "Waiting.h"

std::wstring InfoProcess::CommandLine(const std::wstring& arguments) {
    const std::wstring program = testsupport::Quoted((testsupport::InstallFolder() / L"NodwellInfo.exe").wstring());
    return arguments.empty() ? program : program + L" " + arguments;
}

InfoProcess::InfoProcess(const std::wstring& commandLine)
    : m_hJob(CreateJobObjectW(nullptr, nullptr)), m_hProcess(testsupport::StartProgram(commandLine)) {
    // The program starts nothing before a user's action, so joining now misses nothing.
    AssignProcessToJobObject(m_hJob, m_hProcess);
    const DWORD processId = GetProcessId(m_hProcess);
    // The dialog is visible only once its initialisation is over.
    if (!testsupport::WaitUntil([&] { return (m_hDialog = testsupport::FindProcessWindow(processId, L"#32770")) != nullptr; },
                                20000)) {
        TerminateProcess(m_hProcess, 1);
        CloseHandle(m_hProcess);
        CloseHandle(m_hJob);
        throw std::runtime_error("the information dialog did not appear");
    }
}

InfoProcess::~InfoProcess() {
    if (!WaitForEnd(0)) {
        PostMessageW(m_hDialog, WM_CLOSE, 0, 0);
        if (!WaitForEnd(10000)) TerminateProcess(m_hProcess, 1);
    }
    WaitForAllToEnd();
    CloseHandle(m_hProcess);
    CloseHandle(m_hJob);
}

bool InfoProcess::WaitForAllToEnd(DWORD timeoutMs) const {
    return testsupport::WaitUntil(
        [&] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
            QueryInformationJobObject(m_hJob, JobObjectBasicAccountingInformation, &info, sizeof(info), nullptr);
            return info.ActiveProcesses == 0;
        },
        timeoutMs);
}

bool InfoProcess::WaitForEnd(DWORD timeoutMs) const { return WaitForSingleObject(m_hProcess, timeoutMs) == WAIT_OBJECT_0; }

std::wstring InfoProcess::Caption() const {
    wchar_t text[256] = {};
    GetWindowTextW(m_hDialog, text, 256);
    return text;
}

void InfoProcess::Click(int nId) const { PostMessageW(Item(nId), BM_CLICK, 0, 0); }

void InfoProcess::Check(bool bChecked) const {
    SendMessageW(Item(1008), BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void InfoProcess::PressKey(WORD wKey, int nChildId) const { PostMessageW(Item(nChildId), WM_KEYDOWN, wKey, 0); }
