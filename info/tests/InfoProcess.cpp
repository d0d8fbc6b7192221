#include "InfoProcess.h"

#include <stdexcept>

#include "ProcessRunner.h"
#include "SuiteFolders.h"
#include "Waiting.h"

std::wstring InfoProcess::CommandLine(const std::wstring& arguments) {
    const std::wstring program = testsupport::Quoted((testsupport::InstallFolder() / L"NodwellInfo.exe").wstring());
    return arguments.empty() ? program : program + L" " + arguments;
}

// The program starts nothing before a user's action, so the job misses nothing.
InfoProcess::InfoProcess(const std::wstring& commandLine) : m_process(commandLine) {
    const DWORD processId = m_process.ProcessId();
    // The dialog is visible only once its initialisation is over.
    if (!testsupport::WaitUntil([&] { return (m_hDialog = testsupport::FindProcessWindow(processId, L"#32770")) != nullptr; },
                                20000)) {
        throw std::runtime_error("the information dialog did not appear");
    }
}

// What the program started is waited for by the job.
InfoProcess::~InfoProcess() {
    if (!WaitForEnd(0)) {
        PostMessageW(m_hDialog, WM_CLOSE, 0, 0);
        WaitForEnd(10000);
    }
}

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
