#include <gtest/gtest.h>

#include <sstream>

#include "ScriptedPwrioDevice.h"
#include "StyleSheetFixture.h"
#include "StylepickMain.h"

using stylepick::StylepickMain;

namespace {

struct Outcome {
    int exitCode;
    std::string output;
};

Outcome RunWith(const std::vector<std::wstring>& arguments, ScriptedPwrioDevice& device) {
    std::ostringstream out;
    const int exitCode = StylepickMain(arguments, device, out);
    return {exitCode, out.str()};
}

}  // namespace

TEST(StylepickCommandLine, WrongCommandLinesAnswerWithoutTouchingTheDevice) {
    const std::string usage = stylepick::kUsageText;
    const std::string error = stylepick::kParameterErrorText;
    struct Case {
        std::vector<std::wstring> arguments;
        int exitCode;
        std::string output;
    };
    const Case cases[] = {
        {{}, 0, usage},
        {{L"/?"}, 0, usage},
        {{L"/path"}, 256, error},
        {{L"/PATH"}, 256, error},
        {{L"-?"}, 256, error},
        {{L"/?", L"x"}, 256, error},
        {{L"/pathx", L"a.css"}, 256, error},
        {{L"/?", L"a.css", L"b\\"}, 256, error},
        {{L"/path", L"a.css", L"b\\", L"c"}, 256, ""},
        {{L"/?", L"/?", L"/?", L"/?", L"/?"}, 256, ""},
    };
    for (const auto& c : cases) {
        ScriptedPwrioDevice device;
        const Outcome run = RunWith(c.arguments, device);
        EXPECT_EQ(c.exitCode, run.exitCode) << c.arguments.size() << " arguments";
        EXPECT_EQ(c.output, run.output) << c.arguments.size() << " arguments";
        EXPECT_EQ(0, device.openCalls);
    }
}

TEST(StylepickCommandLine, UsageTextKeepsItsLayout) {
    EXPECT_EQ(std::string("    Stylepick.exe <option>\n"
                          "      <option>: /?                    Show Help Info\n"
                          "                /path <DestCssFile> [SourceCssPath] \n"
                          "\n"
                          "    eg: Stylepick.exe /path \"C:\\auto.css\"\n"
                          "    eg: Stylepick.exe /path \"C:\\auto.css\"  \".\\CSS\\\"\n"),
              stylepick::kUsageText);
}

TEST(StylepickCopy, SourceFolderIsJoinedAsGivenOrDefaultsToCssBelowTheCurrentFolder) {
    StyleSheetFolder folder;
    // A folder given without its backslash names a prefix of the file name.
    testsupport::WriteTextFile(folder.Root() + L"\\CSSAlternate_SM.css", "joined without separator");
    struct Case {
        const char* name;
        std::vector<std::wstring> arguments;
        std::string copied;
    };
    const Case cases[] = {
        {"default source", {L"/path", folder.Destination()}, "Alternate_SM.css"},
        {"empty source", {L"/Path", folder.Destination(), L""}, "Alternate_SM.css"},
        {"given source", {L"/PATH", folder.Destination(), folder.SourceDir()}, "Alternate_SM.css"},
        {"no trailing backslash", {L"/path", folder.Destination(), folder.Root() + L"\\CSS"}, "joined without separator"},
    };
    const CurrentFolder current(folder.Root());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::WriteTextFile(folder.Destination(), StyleSheetFolder::kOriginalDestination);
        ScriptedPwrioDevice device;
        device.ScriptGoodMachine(0x20);
        const Outcome run = RunWith(c.arguments, device);
        EXPECT_EQ(0, run.exitCode);
        EXPECT_EQ("", run.output);
        EXPECT_EQ(c.copied, folder.DestinationContent());
        EXPECT_EQ((std::vector<std::wstring>{L"CSSAlternate_SM.css", L"auto.css"}), folder.FilesBesideDestination());
    }
}

TEST(StylepickCopy, ExitCodeIsTheStatusOfTheFailingStep) {
    enum class Files { Present, SourceMissing, DestinationHeld };
    struct Case {
        const char* name;
        std::function<void(ScriptedPwrioDevice&)> script;
        Files files;
        int exitCode;
    };
    const Case cases[] = {
        {"no device", [](ScriptedPwrioDevice& d) { d.opens = false; }, Files::Present, 61696},
        {"interface refused", [](ScriptedPwrioDevice& d) { d.Answer(pwrio::OpenInterfaceRequest(), 0x8100); },
         Files::Present, 0x8100},
        {"empty mode table",
         [](ScriptedPwrioDevice& d) { d.Answer(pwrio::ModeTableHeaderRequest(), 0, pwrio::kModeTableHeaderValue, 0); },
         Files::Present, 0},
        {"no charge feature, music present",
         [](ScriptedPwrioDevice& d) { d.Answer(pwrio::ChargePresenceRequest(), 0, 0x8001); }, Files::Present, 0},
        {"no charge feature, music read refused",
         [](ScriptedPwrioDevice& d) {
             d.Answer(pwrio::ChargePresenceRequest(), 0, 0x8001);
             d.Answer(pwrio::MusicPresenceRequest(), 0x0900);
         },
         Files::Present, 0x0900},
        {"the sheet cannot be copied", [](ScriptedPwrioDevice&) {}, Files::SourceMissing, ERROR_PATH_NOT_FOUND},
        // A reader that does not share deletion keeps the old sheet in place.
        {"auto.css cannot be replaced", [](ScriptedPwrioDevice&) {}, Files::DestinationHeld, ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StyleSheetFolder folder;
        ScriptedPwrioDevice device;
        device.ScriptGoodMachine(0x40);
        c.script(device);
        const std::wstring source = c.files == Files::SourceMissing ? folder.Root() + L"\\missing\\" : folder.SourceDir();
        const HANDLE hReader = c.files == Files::DestinationHeld
                                   ? CreateFileW(folder.Destination().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                 OPEN_EXISTING, 0, nullptr)
                                   : INVALID_HANDLE_VALUE;
        const Outcome run = RunWith({L"/path", folder.Destination(), source}, device);
        if (hReader != INVALID_HANDLE_VALUE) CloseHandle(hReader);
        EXPECT_EQ(c.exitCode, run.exitCode);
        EXPECT_EQ(StyleSheetFolder::kOriginalDestination, folder.DestinationContent());
        EXPECT_EQ(std::vector<std::wstring>{L"auto.css"}, folder.FilesBesideDestination());  // no copy left behind
        EXPECT_EQ(device.opens ? 1 : 0, device.closeCalls);
    }
}
