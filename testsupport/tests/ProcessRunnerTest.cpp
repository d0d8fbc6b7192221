#include <gtest/gtest.h>

#include "ProcessRunner.h"
#include "SuiteFolders.h"

using testsupport::RunProgram;

TEST(ProcessRunner, ReportsExitCodesAboveEightBitsWhole) {
    for (DWORD code : {0ul, 1ul, 256ul, 61696ul, 123456789ul}) {
        const auto result = RunProgram(L"cmd.exe /c exit " + std::to_wstring(code));
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(code, result->exitCode);
    }
}

TEST(ProcessRunner, CapturesStandardOutput) {
    const auto result = RunProgram(L"cmd.exe /c echo captured");
    ASSERT_TRUE(result.has_value());
    EXPECT_NE(std::string::npos, result->output.find("captured"));
}

TEST(ProcessRunner, ThrowsWhenTheProgramDoesNotExist) {
    EXPECT_THROW(RunProgram(L"C:\\no\\such\\program.exe"), std::runtime_error);
}

TEST(ScratchFolder, RemovesItsContentsIncludingReadOnlyFiles) {
    std::filesystem::path kept;
    {
        testsupport::ScratchFolder folder;
        kept = folder.Path();
        testsupport::WriteTextFile(folder / L"a.txt", "x");
        SetFileAttributesW((folder / L"a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(std::filesystem::exists(kept));
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(CommandLine, OptionsReachTheProgramAsTypedAndPathsWithBlanksStayWhole) {
    const wchar_t* arguments[] = {L"/noinfo", L"C:\\a folder\\", L""};
    EXPECT_EQ(L"\"C:\\Program Files\\x.exe\" /noinfo \"C:\\a folder\\\\\" \"\"",
              testsupport::CommandLineOf(L"C:\\Program Files\\x.exe", arguments, 3));
}
