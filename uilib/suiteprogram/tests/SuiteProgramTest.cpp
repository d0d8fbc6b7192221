#include <gtest/gtest.h>

#include "SuiteProgram.h"

TEST(SuiteProgram, PathIsQuotedAndArgumentsFollowIt) {
    EXPECT_EQ(L"\"C:\\Program Files (x86)\\Corvane\\Corvane Vezuv Uvodoza\\NodwellSrv.exe\" /u",
              SuiteProgramCommandLine(L"C:\\Program Files (x86)", L"NodwellSrv.exe", L"/u"));
    EXPECT_EQ(L"\"D:\\Apps\\Corvane\\Corvane Vezuv Uvodoza\\Nodwell.exe\" /noinfo",
              SuiteProgramCommandLine(L"D:\\Apps", L"Nodwell.exe", L"/noinfo"));
    EXPECT_EQ(L"\"C:\\Program Files\\Corvane\\Corvane Vezuv Uvodoza\\NodwellInfo.exe\"",
              SuiteProgramCommandLine(L"C:\\Program Files", L"NodwellInfo.exe", L""));
}

TEST(SuiteProgram, ProgramsAreFoundInTheThirtyTwoBitProgramFilesFolder) {
    EXPECT_EQ(L"C:\\Program Files (x86)\\Corvane\\Corvane Vezuv Uvodoza\\NodwellInfo.exe",
              SuiteProgramPath(L"NodwellInfo.exe"));
}

TEST(SuiteProgram, AProgramThatIsNotInstalledIsNotStarted) {
    EXPECT_FALSE(StartSuiteProgram(L"NoSuchProgram.exe", L"/x"));
    EXPECT_FALSE(StartSuiteProgram(L"NoSuchProgram.exe", L"", true));
}
