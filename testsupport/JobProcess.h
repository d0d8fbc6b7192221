#pragma once
// A program a test started inside a job object, so that every program it starts in turn is
// counted and can be waited for.
#include <windows.h>

#include <string>

#include "KernelHandle.h"

namespace testsupport {

class JobProcess {
public:
    // Throws when the program cannot be started or put in the job; call it before the program
    // can start anything, so that the job misses nothing.
    explicit JobProcess(const std::wstring& commandLine);
    // Ends the program if it still runs, then waits a while for what it started.
    ~JobProcess();
    JobProcess(const JobProcess&) = delete;
    JobProcess& operator=(const JobProcess&) = delete;

    HANDLE Process() const { return m_process.Get(); }
    DWORD ProcessId() const { return ::GetProcessId(m_process.Get()); }
    bool IsRunning() const { return !WaitForEnd(0); }
    bool WaitForEnd(DWORD timeoutMs) const;
    void Terminate() const { ::TerminateProcess(m_process.Get(), 1); }

    // Programs started from it so far, and how many of them still run.
    DWORD ProgramsStarted() const;
    DWORD ProgramsRunning() const;
    // Waits until the program and everything it started have ended.
    bool WaitForAllToEnd(DWORD timeoutMs = 10000) const;

private:
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Accounting() const;

    KernelHandle m_job;
    KernelHandle m_process;
};

}  // namespace testsupport
