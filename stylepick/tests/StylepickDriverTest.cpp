// The installed Stylepick.exe against the simulated hardware-access driver: the whole path from
// command line through the device to the copied style sheet.
#include <gtest/gtest.h>

#include "ProcessRunner.h"
#include "SimulatedPwrio.h"
#include "StyleSheetFixture.h"

using testsupport::Quoted;

namespace {

std::wstring Stylepick() { return Quoted((testsupport::InstallFolder() / L"Stylepick.exe").wstring()); }

DWORD RunStylepick(const std::wstring& arguments) {
    const auto result = testsupport::RunProgram(Stylepick() + arguments);
    if (!result) throw std::runtime_error("Stylepick did not end");
    EXPECT_EQ("", result->output);
    return result->exitCode;
}

}  // namespace

TEST(StylepickDriver, CopiesTheSheetOfTheMachinesFamilyFromDefaultAndGivenFolders) {
    struct Case {
        DWORD modeBits;
        DWORD music;
        const char* sheet;
    };
    const Case cases[] = {
        {0x10, 1, "Typical_SM.css"}, {0x10, 0, "Typical.css"},   {0x21, 1, "Alternate_SM.css"},
        {0x20, 0, "Alternate.css"},  {0x60, 1, "Apple2A_SM.css"}, {0x40, 0, "Apple2A.css"},
    };
    testsupport::SimulatedPwrio driver;
    StyleSheetFolder folder;
    const CurrentFolder current(folder.Root());
    for (const auto& c : cases) {
        driver.Set(L"Entry1", c.modeBits);
        driver.Set(L"MusicPresent", c.music);
        for (const std::wstring& source : {std::wstring(), L" " + Quoted(folder.SourceDir())}) {
            SCOPED_TRACE(c.sheet);
            testsupport::WriteTextFile(folder.Destination(), StyleSheetFolder::kOriginalDestination);
            EXPECT_EQ(0u, RunStylepick(L" /path " + Quoted(folder.Destination()) + source));
            EXPECT_EQ(c.sheet, folder.DestinationContent());
        }
    }
}

TEST(StylepickDriver, ExitCodeTellsWhyNothingWasCopied) {
    struct Case {
        const char* name;
        std::vector<std::pair<const wchar_t*, DWORD>> machine;
        DWORD exitCode;
    };
    const Case cases[] = {
        {"modes 0x02 need no sheet", {{L"Entry1", 0x12}}, 0},
        {"modes 0x04 need no sheet", {{L"Entry1", 0x44}}, 0},
        {"empty mode table", {{L"TableCount", 0}}, 0},
        {"interface refused", {{L"OpenStatus", 0xFF00}}, 0xFF00},
        {"no charge feature, music present", {{L"ChargePresent", 0}}, 0},
        {"no charge feature, music absent", {{L"ChargePresent", 0}, {L"MusicPresent", 0}}, 0},
        {"every register read refused", {{L"ReadStatus", 0x0300}}, 0x0300},
        {"open request fails", {{L"FailFunction", 0xF100}}, 0xF100},
        {"register reads fail", {{L"FailFunction", 0xF300}}, 0xF300},
    };
    StyleSheetFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::SimulatedPwrio driver;
        for (const auto& [name, value] : c.machine) driver.Set(name, value);
        testsupport::WriteTextFile(folder.Destination(), StyleSheetFolder::kOriginalDestination);
        EXPECT_EQ(c.exitCode,
                  RunStylepick(L" /path " + Quoted(folder.Destination()) + L" " + Quoted(folder.SourceDir())));
        EXPECT_EQ(StyleSheetFolder::kOriginalDestination, folder.DestinationContent());
    }
}

TEST(StylepickDriver, FailedCopyEndsWithTheSystemError) {
    testsupport::SimulatedPwrio driver;
    StyleSheetFolder folder;
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND),
              RunStylepick(L" /path " + Quoted(folder.Destination()) + L" " + Quoted(folder.Root() + L"\\none\\")));
    EXPECT_EQ(StyleSheetFolder::kOriginalDestination, folder.DestinationContent());
}
