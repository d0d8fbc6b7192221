#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "EnvironmentVariable.h"
#include "ProcessRunner.h"
#include "SuiteFolders.h"
#include "TestFolders.h"

namespace {

// A copy of the probe in a scratch folder, configured by the DbgLog.ini written beside it.
class LogProbe {
public:
    LogProbe() { std::filesystem::copy_file(testProgramFolder() / L"logprobe.exe", m_folder / L"logprobe.exe"); }

    // Other settings of the "LOG" section; LogFile defaults to log.txt in the scratch folder.
    void configure(const std::string& settings, bool withLogFile = true) {
        std::string text = "[LOG]\n" + settings;
        if (withLogFile) text += "LogFile=" + logPath().string() + "\n";
        testsupport::WriteTextFile(m_folder / L"DbgLog.ini", text);
    }

    testsupport::ProcessResult run(const std::wstring& arguments) const {
        const auto result = testsupport::RunProgram(testsupport::Quoted((m_folder / L"logprobe.exe").wstring()) + L" " +
                                                    arguments, 20000);
        EXPECT_TRUE(result.has_value());
        EXPECT_EQ(result.value_or(testsupport::ProcessResult{}).exitCode, 0u);
        return result.value_or(testsupport::ProcessResult{});
    }

    std::filesystem::path logPath() const { return m_folder / L"log.txt"; }
    std::string log() const { return std::filesystem::exists(logPath()) ? testsupport::ReadTextFile(logPath()) : "<none>"; }
    const std::filesystem::path& folder() const { return m_folder.Path(); }

private:
    testsupport::ScratchFolder m_folder;
};

constexpr wchar_t kEveryLevel[] = L"0:error 1:warning 2:information 3:trace";

TEST(LogOutput, DestinationAndLevelChooseWhatIsWrittenWhereWithOutOfRangeValuesAsDefaults) {
    const struct {
        std::string settings;
        std::string expected;
    } cases[] = {
        {"Destination=2\nLevel=0\n", "LogProbe.cpp(15):  [ERR] (wmain): error\r\n"},
        {"Destination=7\nLevel=9\n", "LogProbe.cpp(15):  [ERR] (wmain): error\r\n"},
        {"Destination=3\nLevel=2\n",
         "LogProbe.cpp(15):  [ERR] (wmain): error\r\nLogProbe.cpp(15):  [WRN] (wmain): warning\r\n"
         "LogProbe.cpp(15):  [INF] (wmain): information\r\n"},
        {"Destination=2\nLevel=3\nSourceFileFormat=1\nFlush=1\n",
         ".\\LogProbe.cpp(15):  [ERR] (wmain): error\r\n.\\LogProbe.cpp(15):  [WRN] (wmain): warning\r\n"
         ".\\LogProbe.cpp(15):  [INF] (wmain): information\r\n.\\LogProbe.cpp(15):  [TRC] (wmain): trace\r\n"},
        {"Destination=0\nLevel=3\n", "<none>"},
        {"Destination=1\nLevel=3\n", "<none>"},
        {"Destination=2\nLevel=-1\n", "LogProbe.cpp(15):  [ERR] (wmain): error\r\n"},
        {"Destination=2\nLevel=0\nSourceFileFormat=2\n", "LogProbe.cpp(15):  [ERR] (wmain): error\r\n"},
    };
    for (const auto& c : cases) {
        LogProbe probe;
        probe.configure(c.settings + "TimeDateFormat=0\n");
        probe.run(kEveryLevel);
        EXPECT_EQ(probe.log(), c.expected) << c.settings;
    }
}

TEST(LogOutput, StampModesOutOfRangeAreTheTimeOfDay) {
    for (const char* mode : {"4", "5", "-1"}) {
        LogProbe probe;
        probe.configure(std::string("Destination=2\nTimeDateFormat=") + mode + "\n");
        probe.run(L"0:error");
        EXPECT_TRUE(std::regex_match(probe.log(), std::regex(R"(\d\d:\d\d:\d\d\.\d{3}: LogProbe\.cpp\(15\):  \[ERR\] \(wmain\): error\r\n)")))
            << mode << ": " << probe.log();
    }
}

TEST(LogOutput, DbgLogIniIsReadOnceAProcessWhateverItSaysLater) {
    LogProbe probe;
    probe.configure("Destination=2\nLevel=0\nTimeDateFormat=0\n");
    probe.run(L"0:first ini:Level=3 ini:TimeDateFormat=2 ini:SourceFileFormat=1 3:trace ini:Destination=0 0:second");
    EXPECT_EQ(probe.log(), "LogProbe.cpp(15):  [ERR] (wmain): first\r\nLogProbe.cpp(15):  [ERR] (wmain): second\r\n");
}

TEST(LogOutput, KeptOpenFileIsEmptiedOnlyByTheFirstRecordThatPassesTheFilter) {
    LogProbe probe;
    probe.configure("Destination=2\nLevel=0\nTimeDateFormat=0\n");
    testsupport::WriteTextFile(probe.logPath(), "earlier run\r\n");
    probe.run(L"3:dropped 2:dropped");
    EXPECT_EQ(probe.log(), "earlier run\r\n");
    probe.run(L"3:dropped 0:first 0:second");
    EXPECT_EQ(probe.log(),
              "LogProbe.cpp(15):  [ERR] (wmain): first\r\nLogProbe.cpp(15):  [ERR] (wmain): second\r\n");
}

TEST(LogOutput, PerLineModeAppendsToWhatIsThere) {
    LogProbe probe;
    probe.configure("Destination=3\nLevel=0\nTimeDateFormat=0\n");
    testsupport::WriteTextFile(probe.logPath(), "earlier run\r\n");
    probe.run(L"0:one");
    probe.run(L"0:two");
    EXPECT_EQ(probe.log(), "earlier run\r\nLogProbe.cpp(15):  [ERR] (wmain): one\r\nLogProbe.cpp(15):  [ERR] (wmain): two\r\n");
}

TEST(LogOutput, StandardErrorDestinationWritesNoFile) {
    LogProbe probe;
    probe.configure("Destination=4\nLevel=1\nTimeDateFormat=0\n");
    const auto result = probe.run(L"1:to-stderr 2:dropped");
    EXPECT_EQ(result.output, "LogProbe.cpp(15):  [WRN] (wmain): to-stderr\r\n");
    EXPECT_EQ(probe.log(), "<none>");
}

TEST(LogOutput, PercentSignsAndOverlongMessagesReachTheFileAsOneCutLine) {
    LogProbe probe;
    probe.configure("Destination=2\nLevel=0\nTimeDateFormat=2\n");
    probe.run(L"\"0:100% %d %s %n\" 0:" + std::wstring(700, L'x'));
    const std::string log = probe.log();
    const std::size_t firstEnd = log.find("\r\n");
    ASSERT_NE(firstEnd, std::string::npos) << log;
    EXPECT_TRUE(log.substr(0, firstEnd).ends_with("(wmain): 100% %d %s %n")) << log;
    const std::string second = log.substr(firstEnd + 2);
    EXPECT_EQ(second.size(), 512u);  // 510 characters, then CR LF for the one line feed
    EXPECT_TRUE(second.ends_with("xx\r\n"));
}

TEST(LogOutput, WithoutDbgLogIniErrorsGoToTheLocalAppDataLogCreatingOnlyTheLastFolder) {
    for (const bool parentExists : {true, false}) {
        LogProbe probe;
        const auto appData = probe.folder() / L"AppData";
        std::filesystem::create_directories(parentExists ? appData / L"Corvane" : appData);
        const EnvironmentVariable localAppData(L"LOCALAPPDATA", appData.wstring());
        probe.run(L"3:trace 0:error");
        const auto log = appData / L"Corvane" / L"Help" / L"log.txt";
        ASSERT_EQ(std::filesystem::exists(log), parentExists);
        if (parentExists) {
            EXPECT_TRUE(std::regex_match(testsupport::ReadTextFile(log),
                                         std::regex(R"(\d\d:\d\d:\d\d\.\d{3}: LogProbe\.cpp\(15\):  \[ERR\] \(wmain\): error\r\n)")))
                << testsupport::ReadTextFile(log);
        } else {
            EXPECT_FALSE(std::filesystem::exists(appData / L"Corvane"));
        }
    }
}

// Cut to a buffer, a "LogFile" text longer than 259 characters would name some other file.
TEST(LogOutput, LogFileTextIsReadWholeAndAPathTooLongOnceExpandedWritesNoFile) {
    {
        // A variable with a long name carries the text past 259 characters; expanded it is short.
        const std::wstring variable(300, L'V');
        LogProbe probe;
        const EnvironmentVariable folder(variable.c_str(), probe.folder().wstring());
        probe.configure("Destination=2\nTimeDateFormat=0\nLogFile=%" + std::string(300, 'V') + "%\\log.txt\n", false);
        probe.run(L"0:error");
        EXPECT_EQ(probe.log(), "LogProbe.cpp(15):  [ERR] (wmain): error\r\n");
    }
    {
        LogProbe probe;
        probe.configure("Destination=2\nLogFile=" + probe.folder().string() + "\\" + std::string(300, 'c') + "\n", false);
        probe.run(L"0:error");
        std::vector<std::wstring> files;
        for (const auto& entry : std::filesystem::directory_iterator(probe.folder())) {
            files.push_back(entry.path().filename().wstring());
        }
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, (std::vector<std::wstring>{L"DbgLog.ini", L"logprobe.exe"}));
    }
}

}  // namespace
