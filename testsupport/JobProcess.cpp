#include "JobProcess.h"

#include <stdexcept>

#include "ProcessRunner.h"
#include "Waiting.h"

namespace testsupport {

JobProcess::JobProcess(const std::wstring& commandLine)
    : m_job(::CreateJobObjectW(nullptr, nullptr)), m_process(StartProgram(commandLine)) {
    if (!m_job.IsValid() || !::AssignProcessToJobObject(m_job.Get(), m_process.Get())) {
        Terminate();
        throw std::runtime_error("cannot put the program in a job");
    }
}

JobProcess::~JobProcess() {
    if (IsRunning()) Terminate();
    WaitForAllToEnd();
}

bool JobProcess::WaitForEnd(DWORD timeoutMs) const {
    return ::WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION JobProcess::Accounting() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    ::QueryInformationJobObject(m_job.Get(), JobObjectBasicAccountingInformation, &info, sizeof(info), nullptr);
    return info;
}

DWORD JobProcess::ProgramsStarted() const { return Accounting().TotalProcesses - 1; }

DWORD JobProcess::ProgramsRunning() const { return Accounting().ActiveProcesses - (IsRunning() ? 1 : 0); }

bool JobProcess::WaitForAllToEnd(DWORD timeoutMs) const {
    return WaitUntil([&] { return Accounting().ActiveProcesses == 0; }, timeoutMs);
}

}  // namespace testsupport
