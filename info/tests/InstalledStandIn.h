#pragma once
// A program of the installed suite replaced, for one test, by the command recorder, which
// writes down how it was started; the real program, if installed, is put back afterwards.
#include <filesystem>
#include <string>
#include <vector>

class InstalledStandIn {
public:
    explicit InstalledStandIn(const std::wstring& strProgram);
    ~InstalledStandIn();
    InstalledStandIn(const InstalledStandIn&) = delete;
    InstalledStandIn& operator=(const InstalledStandIn&) = delete;

    // The line the recorder writes when started with arguments (its path quoted).
    std::string ExpectedLine(const std::string& arguments) const;

private:
    std::filesystem::path m_path;
    std::filesystem::path m_held;
};

// The lines the recorders have written so far to the log named by NODWELL_TEST_LAUNCH_LOG.
std::vector<std::string> RecordedLines(const std::filesystem::path& log);
