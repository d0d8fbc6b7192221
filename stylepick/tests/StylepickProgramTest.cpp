// The installed Stylepick.exe, run as an installer would run it, on a machine without the
// hardware-access device.
#include <gtest/gtest.h>

#include "ProcessRunner.h"
#include "SuiteFolders.h"

using testsupport::Quoted;

namespace {

std::wstring Stylepick() { return Quoted((testsupport::InstallFolder() / L"Stylepick.exe").wstring()); }

// The console writes text-mode lines.
std::string CrLf(const std::string& text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

}  // namespace

TEST(StylepickProgram, AnswersItsCommandLineOnStandardOutputAndExitCode) {
    const std::string usage = CrLf(
        "    Stylepick.exe <option>\n"
        "      <option>: /?                    Show Help Info\n"
        "                /path <DestCssFile> [SourceCssPath] \n"
        "\n"
        "    eg: Stylepick.exe /path \"C:\\auto.css\"\n"
        "    eg: Stylepick.exe /path \"C:\\auto.css\"  \".\\CSS\\\"\n");
    const std::string error = CrLf("[Main] -Paramter error\n");
    struct Case {
        std::wstring arguments;
        DWORD exitCode;
        std::string output;
    };
    const Case cases[] = {
        {L"", 0, usage},
        {L" /?", 0, usage},
        {L" /Help", 256, error},
        {L" /? more", 256, error},
        {L" /path", 256, error},
        {L" a b c d", 256, ""},
    };
    for (const auto& c : cases) {
        const auto result = testsupport::RunProgram(Stylepick() + c.arguments);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(c.exitCode, result->exitCode) << "arguments:" << std::string(c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(c.output, result->output);
    }
}

TEST(StylepickProgram, WithoutTheDeviceExitsWithTheOpenCodeAndCopiesNothing) {
    testsupport::ScratchFolder folder;
    testsupport::WriteTextFile(folder / L"auto.css", "kept");
    const auto result = testsupport::RunProgram(Stylepick() + L" /path " + Quoted((folder / L"auto.css").wstring()));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(61696u, result->exitCode);
    EXPECT_EQ("", result->output);
    EXPECT_EQ("kept", testsupport::ReadTextFile(folder / L"auto.css"));
}
