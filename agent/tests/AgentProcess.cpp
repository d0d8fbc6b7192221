#include "AgentProcess.h"

#include <dbt.h>

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "ProcessRunner.h"
#include "SuiteFolders.h"
#include "Waiting.h"

namespace {

constexpr DWORD kMessageTimeoutMs = 15000;

}  // namespace

HWND FindAgentFrame(DWORD processId) {
    HWND frame = FindWindowW(nullptr, L"NodwellSrv");
    DWORD owner = 0;
    if (frame) GetWindowThreadProcessId(frame, &owner);
    return owner == processId ? frame : nullptr;
}

std::wstring AgentProcess::CommandLine(const std::wstring& arguments) {
    const std::wstring program = testsupport::Quoted((testsupport::InstallFolder() / L"NodwellSrv.exe").wstring());
    return arguments.empty() ? program : program + L" " + arguments;
}

// The agent starts nothing before its first notification, so the job misses nothing.
AgentProcess::AgentProcess() : m_process(CommandLine()) {
    // The frame can be found while it is still being created; once the agent waits in its
    // message loop, its view and its registrations are in place.
    WaitForInputIdle(m_process.Process(), 10000);
    const DWORD processId = m_process.ProcessId();
    if (!testsupport::WaitUntil([&] { return (m_hFrame = FindAgentFrame(processId)) != nullptr || !IsRunning(); })) {
        throw std::runtime_error("the agent's frame did not appear");
    }
}

// Programs it started end on their own; the job waits for them so that their files can go.
AgentProcess::~AgentProcess() {
    if (IsRunning()) PostMessageW(m_hFrame, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForEnd(10000);
}

void AgentProcess::SendBroadcast(WPARAM event, const void* broadcast) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(m_hFrame, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast), SMTO_NORMAL,
                             kMessageTimeoutMs, &result)) {
        throw std::runtime_error("the agent did not take the device notification");
    }
}

void AgentProcess::SendArrival(const std::wstring& deviceName, WPARAM event) const {
    constexpr size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    std::vector<BYTE> block(kNameOffset + (deviceName.size() + 1) * sizeof(wchar_t), 0);
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(block.data());
    broadcast->dbcc_size = static_cast<DWORD>(block.size());
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    broadcast->dbcc_classguid = GUID{0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
    deviceName.copy(broadcast->dbcc_name, deviceName.size());
    SendBroadcast(event, broadcast);
}

void AgentProcess::SendSessionChange(WPARAM code) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(m_hFrame, WM_WTSSESSION_CHANGE, code, 1, SMTO_NORMAL, kMessageTimeoutMs, &result)) {
        throw std::runtime_error("the agent did not take the session change");
    }
}
