#include <gtest/gtest.h>

#include "InfoCommandLine.h"

namespace {

struct CommandLineCase {
    const char* what;
    const wchar_t* commandLine;
    WORD wPrimaryLang;
    WORD wSubLang;
    bool bSetup;
};

const CommandLineCase kCases[] = {
    {"nothing", L"", 0, 0, false},
    {"setup", L"/setup", 0, 0, true},
    {"setup in capitals", L"/SETUP", 0, 0, false},
    {"setup capitalised", L"/Setup", 0, 0, false},
    {"trailing blanks and tabs", L"/setup \t  ", 0, 0, true},
    {"language options", L"/p:11 /s:1", 0x11, 1, false},
    {"options in capitals, blank and tab separators", L"/P 7/S\t2", 7, 2, false},
    {"hex digits up to the first other character", L"/p:1fz9", 0x1F, 0, false},
    {"nothing readable gives 0", L"/p:xy /s:", 0, 0, false},
    {"truncated to 16 bits", L"/p:12345", 0x2345, 0, false},
    {"no blanks, signs or 0x before the digits", L"/p: 7/s:-1", 0, 0, false},
    {"p alone", L"/p", 0, 0, false},
    {"p followed by a letter", L"/px11", 0, 0, false},
    {"repeated and leading slashes", L"///setup//p:9", 9, 0, true},
    {"a token of blanks ends the reading", L"/setup / /p:11", 0, 0, true},
    {"the rest of an unquoted path is ignored",
     L"Files (x86)\\Corvane\\Corvane Vezuv Uvodoza\\NodwellInfo.exe /setup", 0, 0, true},
    {"setup with an argument is another token", L"/setup:1", 0, 0, false},
};

}  // namespace

TEST(InfoCommandLine, TokensSelectSetupModeAndLanguageAsTheCallersWriteThem) {
    for (const auto& c : kCases) {
        const InfoCommandLine options = ParseInfoCommandLine(c.commandLine);
        EXPECT_EQ(c.wPrimaryLang, options.wPrimaryLang) << c.what;
        EXPECT_EQ(c.wSubLang, options.wSubLang) << c.what;
        EXPECT_EQ(c.bSetup, options.bSetup) << c.what;
    }
    EXPECT_FALSE(ParseInfoCommandLine(nullptr).bSetup);
}
