#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "LogLine.h"

namespace {

std::wstring line(StampMode stamp, bool fullSourceName, const LogSite& site, const wchar_t* format, ...) {
    wchar_t buffer[kLogLineBufferSize];
    va_list args;
    va_start(args, format);
    const std::size_t length = buildLogLine(buffer, stamp, fullSourceName, site, format, args);
    va_end(args);
    EXPECT_EQ(length, std::wcslen(buffer));
    return buffer;
}

const LogSite kIniError{L".\\Ini.cpp", 23, L" (readIni)", L"", LogLevel::Error};

TEST(LogLine, SitePrefixShowsTheSourceNameAsConfiguredWithLevelTagAndFunction) {
    const struct {
        LogSite site;
        bool fullSourceName;
        std::wstring expected;
    } cases[] = {
        {kIniError, false, L"Ini.cpp(23):  [ERR] (readIni): Error Code: 0x80004005\n"},
        {kIniError, true, L".\\Ini.cpp(23):  [ERR] (readIni): Error Code: 0x80004005\n"},
        {{L"Plain.cpp", 7, L" (f)", L"tag", LogLevel::Warning}, false, L"Plain.cpp(7): tag [WRN] (f): Error Code: 0x80004005\n"},
        {{L"a\\b\\C.cpp", 8, L" (g)", L"", LogLevel::Information}, false, L"C.cpp(8):  [INF] (g): Error Code: 0x80004005\n"},
        {{L"a\\b\\C.cpp", 9, L" (g)", L"", LogLevel::Trace}, true, L"a\\b\\C.cpp(9):  [TRC] (g): Error Code: 0x80004005\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(line(StampMode::None, c.fullSourceName, c.site, L"Error Code: 0x%x", 0x80004005u), c.expected);
    }
}

TEST(LogLine, WideStringArgumentsAndPercentSignsInThemReachTheLineUnchanged) {
    EXPECT_EQ(line(StampMode::None, false, kIniError, L"%s = %s", L"szExpData", L"100% %d %s"),
              L"Ini.cpp(23):  [ERR] (readIni): szExpData = 100% %d %s\n");
}

TEST(LogLine, LinesAreCutTo510CharactersAndAlwaysEndWithOneLineFeed) {
    const std::wstring prefix = L"Ini.cpp(23):  [ERR] (readIni): ";
    for (std::size_t messageLength : {0u, 100u, 509u - 31u, 510u - 31u, 511u - 31u, 600u, 2000u}) {
        const std::wstring message(messageLength, L'm');
        const std::wstring text = line(StampMode::None, false, kIniError, L"%s", message.c_str());
        const std::size_t content = std::min<std::size_t>(prefix.size() + messageLength, 510);
        ASSERT_EQ(text.size(), content + 1) << messageLength;
        EXPECT_EQ(text.back(), L'\n');
        EXPECT_EQ(text.find(L'\n'), content);
        EXPECT_EQ(text.compare(0, prefix.size(), prefix), 0);
    }
}

TEST(LogLine, EveryStampModeHasItsForm) {
    const struct {
        StampMode mode;
        const wchar_t* pattern;
    } cases[] = {
        {StampMode::None, L"Ini\\.cpp\\(23\\).*\n"},
        {StampMode::TimeOfDay, L"\\d\\d:\\d\\d:\\d\\d\\.\\d{3}: Ini\\.cpp\\(23\\).*\n"},
        {StampMode::DateAndTime, L"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}: Ini\\.cpp\\(23\\).*\n"},
        {StampMode::SecondsSinceFirst, L"0\\.000: Ini\\.cpp\\(23\\).*\n"},  // the first such line is the base
        {StampMode::SecondsSinceFirst, L"\\d+\\.\\d{3}: Ini\\.cpp\\(23\\).*\n"},
    };
    for (const auto& c : cases) {
        const std::wstring text = line(c.mode, false, kIniError, L"x");
        EXPECT_TRUE(std::regex_match(text, std::wregex(c.pattern))) << static_cast<int>(c.mode);
    }
}

}  // namespace
