// NodwellCtl's command line, without the library.
#include <gtest/gtest.h>

#include "CtlCommandLine.h"

using ctl::Command;
using ctl::ParseCommandLine;

namespace {

std::string Narrow(const std::vector<std::wstring>& arguments) {
    std::string text;
    for (const std::wstring& argument : arguments) text += std::string(argument.begin(), argument.end()) + " ";
    return text;
}

}  // namespace

TEST(CtlCommandLine, AcceptedCommandLinesGiveTheirRequest) {
    struct Case {
        std::vector<std::wstring> arguments;
        Command command;
        bool bJson;
        std::optional<bool> charge;
        std::optional<std::wstring> mode;
        std::optional<bool> battery;
        std::optional<int> limit;
        std::optional<bool> music;
    };
    const Case cases[] = {
        {{L"--help"}, Command::Help, false, {}, {}, {}, {}, {}},
        {{L"/?"}, Command::Help, false, {}, {}, {}, {}, {}},
        {{L"status"}, Command::Status, false, {}, {}, {}, {}, {}},
        {{L"STATUS", L"--JSON"}, Command::Status, true, {}, {}, {}, {}, {}},
        {{L"defaults", L"--json"}, Command::Defaults, true, {}, {}, {}, {}, {}},
        {{L"set", L"--charge", L"On"}, Command::Set, false, true, {}, {}, {}, {}},
        {{L"set", L"--mode", L"Typical Mode (default)", L"--json"}, Command::Set, true, {}, L"Typical Mode (default)",
         {}, {}, {}},
        {{L"set", L"--battery", L"off", L"--limit", L"2", L"--music", L"on", L"--charge", L"off", L"--mode", L"3"},
         Command::Set, false, false, L"3", false, 2, true},
        {{L"set", L"--limit", L"99"}, Command::Set, false, {}, {}, {}, 99, {}},
    };
    for (const Case& c : cases) {
        const ctl::ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(parsed.request) << Narrow(c.arguments);
        const ctl::Request& r = *parsed.request;
        EXPECT_EQ(c.command, r.command) << Narrow(c.arguments);
        EXPECT_EQ(c.bJson, r.bJson) << Narrow(c.arguments);
        EXPECT_EQ(c.charge, r.charge) << Narrow(c.arguments);
        EXPECT_EQ(c.mode, r.mode) << Narrow(c.arguments);
        EXPECT_EQ(c.battery, r.battery) << Narrow(c.arguments);
        EXPECT_EQ(c.limit, r.limit) << Narrow(c.arguments);
        EXPECT_EQ(c.music, r.music) << Narrow(c.arguments);
    }
}

TEST(CtlCommandLine, WrongCommandLinesSayWhy) {
    struct Case {
        std::vector<std::wstring> arguments;
        std::wstring error;
    };
    const Case cases[] = {
        {{}, L"a command is missing"},
        {{L"get"}, L"unknown command get"},
        {{L"status", L"--charge", L"on"}, L"unknown option --charge for status"},
        {{L"set", L"--colour", L"red"}, L"unknown option --colour for set"},
        {{L"set"}, L"set needs at least one option that changes something"},
        {{L"set", L"--json"}, L"set needs at least one option that changes something"},
        {{L"set", L"--charge"}, L"--charge needs a value"},
        {{L"set", L"--charge", L"yes"}, L"--charge takes on or off, not \"yes\""},
        {{L"set", L"--limit", L"1"}, L"--limit takes a whole number from 2 to 99, not \"1\""},
        {{L"set", L"--limit", L"100"}, L"--limit takes a whole number from 2 to 99, not \"100\""},
        {{L"set", L"--limit", L"+5"}, L"--limit takes a whole number from 2 to 99, not \"+5\""},
        {{L"set", L"--mode", L""}, L"--mode takes a mode's code or name"},
        {{L"set", L"--music", L"on", L"--MUSIC", L"off"}, L"--MUSIC is given twice"},
        {{L"status", L"--json", L"--json"}, L"--json is given twice"},
        // Help only alone: anywhere else it must not turn a change into "done".
        {{L"set", L"--limit", L"500", L"/?"}, L"/? stands alone on the command line"},
        {{L"set", L"--charge", L"on", L"--mode", L"/?"}, L"/? stands alone on the command line"},
        {{L"--help", L"status"}, L"--help stands alone on the command line"},
    };
    for (const Case& c : cases) {
        const ctl::ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_FALSE(parsed.request) << Narrow(c.arguments);
        EXPECT_EQ(c.error, parsed.strError) << Narrow(c.arguments);
    }
}
