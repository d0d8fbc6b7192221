// The installed Portsense.exe on a machine without the hardware-access device.
#include <gtest/gtest.h>

#include "ProcessRunner.h"
#include "SuiteFolders.h"

TEST(PortsenseProgram, WithoutTheDeviceAnswersOneSilentlyWhateverTheCommandLine) {
    const std::wstring portsense = testsupport::Quoted((testsupport::InstallFolder() / L"Portsense.exe").wstring());
    for (const wchar_t* arguments : {L"", L" /?", L" anything at all"}) {
        // A message box would keep the program waiting: the time limit catches it.
        const auto result = testsupport::RunProgram(portsense + arguments, 20000);
        ASSERT_TRUE(result.has_value()) << "the probe did not end";
        EXPECT_EQ(1u, result->exitCode);
        EXPECT_EQ("", result->output);
    }
}
