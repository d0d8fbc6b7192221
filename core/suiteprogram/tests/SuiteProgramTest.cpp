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

TEST(SuiteProgram, ProgramsAreFoundInTheProgramFilesFolderOfTheirBitness) {
    // In a 64-bit Windows, 32-bit programs are found under "Program Files (x86)".
    const std::wstring programFiles = sizeof(void*) == 4 ? L"C:\\Program Files (x86)" : L"C:\\Program Files";
    EXPECT_EQ(programFiles + L"\\Corvane\\Corvane Vezuv Uvodoza\\NodwellInfo.exe", SuiteProgramPath(L"NodwellInfo.exe"));
}

TEST(SuiteProgram, AProgramThatIsNotInstalledIsNotStarted) {
    EXPECT_FALSE(StartSuiteProgram(L"NoSuchProgram.exe", L"/x"));
    EXPECT_FALSE(StartSuiteProgram(L"NoSuchProgram.exe", L"", true));
}
