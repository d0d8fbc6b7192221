// The installed NodwellCtl.exe as administrators run it: from cmd.exe and from a script, with
// the simulated library's state and the settings program's "Mode" read afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FlatJson.h"
#include "ProcessRunner.h"
#include "RunningSettings.h"
#include "SettingsTestSupport.h"

namespace fs = std::filesystem;
using testsupport::Quoted;

namespace {

fs::path InstalledCtl() { return testsupport::InstallFolder() / L"NodwellCtl.exe"; }

// With /s, cmd.exe takes the command inside the outer quotes as it stands, so that a quoted
// program path keeps its quotes, parentheses included.
testsupport::ProcessResult FromCmd(const std::wstring& command) {
    const auto result = testsupport::RunProgram(L"cmd.exe /s /c \"" + command + L"\"");
    if (!result) throw std::runtime_error("cmd.exe did not end");
    return *result;
}

class CtlEndToEndTest : public ::testing::Test {
protected:
    SettingsKeyGuard settings;
    SimulatedMachineKey machine;
    testsupport::ScratchFolder folder;
};

}  // namespace

TEST_F(CtlEndToEndTest, AnAdministratorsScriptSetsTheMachineAndKeepsItsReport) {
    testsupport::WriteTextFile(folder / L"fleet.cmd",
                               "@echo off\r\n"
                               "rem One notebook of the fleet: charge in mode 3, also on battery down to 25%.\r\n"
                               "%1 set --charge on --mode 3 --battery on --limit 25 > nul\r\n"
                               "if errorlevel 1 exit /b 10\r\n"
                               "%1 status --json > \"%~dp0status.json\"\r\n"
                               "if errorlevel 1 exit /b 11\r\n"
                               "rem A mode this model does not offer is a usage error (1), not a failure.\r\n"
                               "%1 set --mode 6 2> nul\r\n"
                               "if errorlevel 2 exit /b 12\r\n"
                               "if errorlevel 1 echo no mode 6 here\r\n"
                               "%1 defaults > nul\r\n"
                               "exit /b %errorlevel%\r\n");
    const auto result = FromCmd(Quoted((folder / L"fleet.cmd").wstring()) + L" " + Quoted(InstalledCtl().wstring()));
    EXPECT_EQ(0u, result.exitCode) << result.output;
    EXPECT_EQ("no mode 6 here\r\n", result.output);

    const auto report = ReadFlatJson(testsupport::ReadTextFile(folder / L"status.json"));
    ASSERT_TRUE(report);
    for (const auto& [key, value] : {std::pair{"changesAllowed", "true"}, std::pair{"charge", "true"},
                                     std::pair{"mode.code", "3"}, std::pair{"mode.name", "\"Alternate Mode\""},
                                     std::pair{"battery", "true"}, std::pair{"limit", "25"}}) {
        EXPECT_EQ(value, report->at(key)) << key;
    }
    // defaults switched the features off again and chose the first mode, Typical Mode.
    auto committed = machine.Dwords();
    EXPECT_EQ(0u, committed[L"CurrentMode"]);
    EXPECT_EQ(0u, committed[L"BatteryEnabled"]);
    EXPECT_EQ(10u, committed[L"BatteryLimit"]);
    EXPECT_EQ(std::optional<DWORD>(4), SettingsKeyGuard::Read(L"Mode"));
}

TEST_F(CtlEndToEndTest, ExitCodesFromCmd) {
    const std::wstring ctl = Quoted(InstalledCtl().wstring());
    // The program alone, without the feature library beside it.
    fs::copy_file(InstalledCtl(), folder / L"NodwellCtl.exe");
    const std::wstring alone = Quoted((folder / L"NodwellCtl.exe").wstring());
    struct Case {
        std::wstring command;
        DWORD exitCode;
        std::string output;  // the start of what cmd.exe shows
    };
    const Case cases[] = {
        {ctl + L" status", 0, "Changes allowed:       yes\r\nPower-supply modes:\r\n  4 Typical Mode (default)\r\n"},
        {ctl + L" --help", 0, "Reads and sets what the notebook does while it sleeps or is off.\r\n"},
        {ctl + L" set --limit 1", 1, "NodwellCtl: --limit takes a whole number from 2 to 99, not \"1\"\r\n"},
        {alone + L" status", 2, "NodwellCtl: the feature library NodwellLib.dll cannot be loaded\r\n"},
        {alone + L" status --json", 2,
         "{\"error\": {\"exitCode\": 2, \"call\": null, \"status\": null, "
         "\"message\": \"the feature library NodwellLib.dll cannot be loaded\"}}\r\n"},
        // Help and usage errors need no library.
        {alone + L" --help", 0, "Reads and sets what the notebook does while it sleeps or is off.\r\n"},
        {alone + L" set --limit 1", 1, "NodwellCtl: --limit takes a whole number from 2 to 99, not \"1\"\r\n"},
    };
    for (const Case& c : cases) {
        const auto result = FromCmd(c.command);
        EXPECT_EQ(c.exitCode, result.exitCode) << result.output;
        EXPECT_EQ(c.output, result.output.substr(0, c.output.size()));
    }
}

TEST_F(CtlEndToEndTest, RefusesWhileTheSettingsProgramIsOpen) {
    const RunningSettings settingsProgram(L"/noinfo");
    ASSERT_NE(nullptr, settingsProgram.WaitForDialog());
    const std::wstring ctl = Quoted(InstalledCtl().wstring());
    const auto refused = FromCmd(ctl + L" set --charge on");
    EXPECT_EQ(4u, refused.exitCode);
    EXPECT_EQ("NodwellCtl: the settings program is open; close it and try again\r\n", refused.output);
    EXPECT_EQ(0u, machine.Dwords()[L"CurrentMode"]);
    EXPECT_EQ(0u, FromCmd(ctl + L" status").exitCode);
}
