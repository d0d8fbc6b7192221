#pragma once
// The installed agent as a process driven by a test: started inside a job object, so that
// every program it starts is counted, and reached through its hidden frame the way the
// system reaches it.
#include <windows.h>
#include <dbt.h>

#include <string>

#include "JobProcess.h"

class AgentProcess {
public:
    static std::wstring CommandLine(const std::wstring& arguments = L"");

    // Starts the agent and waits for its hidden frame; throws when the frame does not appear.
    AgentProcess();
    // Asks the agent to close as a second start would, and ends it if it does not.
    ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    HWND Frame() const { return m_hFrame; }
    bool IsRunning() const { return m_process.IsRunning(); }
    bool WaitForEnd(DWORD timeoutMs) const { return m_process.WaitForEnd(timeoutMs); }

    // Programs the agent has started so far, and how many of them still run.
    DWORD ProgramsStarted() const { return m_process.ProgramsStarted(); }
    DWORD ProgramsRunning() const { return m_process.ProgramsRunning(); }

    // The system's notifications, delivered synchronously: when these return, the agent has
    // handled them, and anything it started has been created.
    void SendArrival(const std::wstring& deviceName, WPARAM event = DBT_DEVICEARRIVAL) const;
    void SendBroadcast(WPARAM event, const void* broadcast) const;
    void SendSessionChange(WPARAM code) const;

private:
    testsupport::JobProcess m_process;
    HWND m_hFrame = nullptr;
};

// The agent's hidden frame in process processId, found by its title as a second start finds it.
HWND FindAgentFrame(DWORD processId);
