#include <gtest/gtest.h>

#include "InstalledMenuglot.h"
#include "TestFolders.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kTarget = "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n";
const std::string kFileNames = "[LocalizedFileNames]\nA.lnk=a\n";

std::string readIniError(const char* code) { return std::string("Ini.cpp(#):  [ERR] (readIni): Error Code: ") + code; }
std::string writeIniError(const char* code) { return std::string("Ini.cpp(#):  [ERR] (writeIni): Error Code: ") + code; }
std::string mainError(const char* code) { return std::string("StartMenu.cpp(#):  [ERR] (wWinMain): Error Code: ") + code; }

// Only the records above the trace level.
Lines errorLines(const Lines& lines) {
    Lines errors;
    for (const auto& line : lines) {
        if (line.find("[TRC]") == std::string::npos) errors.push_back(line);
    }
    return errors;
}

TEST(MenuglotFailure, EachFailureEndsWithItsExitCodeLogsItTwiceAndWritesNothing) {
    const struct {
        const char* name;
        std::string description;
        DWORD exitCode;
        Lines errors;
    } cases[] = {
        {"desktop.ini path missing", "[ShortcutInfo]\n" + kFileNames, 0x80004005,
         {readIniError("0x80004005"), mainError("0x80004005")}},
        {"desktop.ini path empty", "[ShortcutInfo]\nDesktopIniPath=\n" + kFileNames, 0x80004005,
         {readIniError("0x80004005"), mainError("0x80004005")}},
        {"file-name section missing", kTarget + "[LocalizedFileNamesOther]\nA.lnk=a\n", 0x80004005,
         {readIniError("0x80004005"), mainError("0x80004005")}},
        {"folder of the desktop.ini missing",
         "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Missing\\desktop.ini\n" + kFileNames, 0x80070003,
         {writeIniError("0x80070003"), mainError("0x80070003")}},
    };
    for (const auto& c : cases) {
        InstalledMenuglot menuglot;
        const auto name = menuglot.writeDescription(c.description);
        EXPECT_EQ(menuglot.run(name), c.exitCode) << c.name;
        EXPECT_EQ(errorLines(menuglot.logLines()), c.errors) << c.name;
        EXPECT_FALSE(std::filesystem::exists(menuglot.desktopIni())) << c.name;
        EXPECT_FALSE(std::filesystem::exists(menuglot.root() / L"Missing")) << c.name;
        EXPECT_EQ(GetFileAttributesW(menuglot.menuFolder().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY)) << c.name;
    }
}

TEST(MenuglotFailure, AMissingDescriptionEndsWithMinusOneAfterAnAssertRecord) {
    InstalledMenuglot menuglot;
    const std::wstring absolute = (menuglot.root() / L"absolute.ini").wstring();
    testsupport::WriteTextFile(absolute, kTarget + kFileNames);  // an absolute path is still joined to the program folder
    for (const std::wstring& argument : {std::wstring(L"no-such-description.ini"), absolute}) {
        EXPECT_EQ(menuglot.run(argument), 0xFFFFFFFFu);
    }
    const Lines assertion{"StartMenu.cpp(#):  [ERR] (wWinMain): ASSERT( ::PathFileExists(szIniFilePath) )"};
    EXPECT_EQ(errorLines(menuglot.logLines()), (Lines{assertion[0], assertion[0]}));
    EXPECT_FALSE(std::filesystem::exists(menuglot.desktopIni()));
}

TEST(MenuglotFailure, AFolderWhoseAttributeCannotBeSetFailsAfterTheFileIsMarked) {
    InstalledMenuglot menuglot;
    // A bare file name leaves no folder part to mark. The file is made in the current folder,
    // while the profile functions take a bare name in the Windows folder, so both are removed.
    const std::wstring bareName = L"menuglot-bare-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    const auto name = menuglot.writeDescription("[ShortcutInfo]\nDesktopIniPath=" +
                                                std::string(bareName.begin(), bareName.end()) + "\n" + kFileNames);
    DWORD exitCode = 0;
    {
        const CurrentFolder inMenu(menuglot.menuFolder());
        exitCode = menuglot.run(name);
    }
    std::filesystem::remove(expandedForTest(L"%SystemRoot%\\") + bareName);

    EXPECT_EQ(exitCode, 0x80004005u);
    EXPECT_EQ(errorLines(menuglot.logLines()), (Lines{writeIniError("0x80004005"), mainError("0x80004005")}));
    EXPECT_EQ(GetFileAttributesW((menuglot.menuFolder() / bareName).c_str()), 0x26u);
    EXPECT_EQ(GetFileAttributesW(menuglot.menuFolder().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// The path is longer than the 300 characters a fixed buffer would keep; cut there it would name
// a file in the first folder.
TEST(MenuglotFailure, AnOverlongDesktopIniPathIsUsedWholeNeverCut) {
    InstalledMenuglot menuglot;
    const std::string first(150, 'a');
    const std::string second(180, 'b');
    std::filesystem::create_directories(menuglot.root() / first / second);
    // The scratch folder's own clean-up cannot walk paths beyond MAX_PATH, so this tree goes first.
    struct LongTree {
        std::wstring first, second, file;
        ~LongTree() {
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
            RemoveDirectoryW(second.c_str());
            RemoveDirectoryW(first.c_str());
        }
    } const longTree{L"\\\\?\\" + (menuglot.root() / first).wstring(), L"\\\\?\\" + (menuglot.root() / first / second).wstring(),
                     L"\\\\?\\" + (menuglot.root() / first / second / L"desktop.ini").wstring()};
    const auto name = menuglot.writeDescription("[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\" + first +
                                                "\\" + second + "\\desktop.ini\n" + kFileNames);
    const DWORD exitCode = menuglot.run(name);
    std::vector<std::filesystem::path> inFirst;
    for (const auto& entry : std::filesystem::directory_iterator(menuglot.root() / first)) inFirst.push_back(entry.path().filename());
    EXPECT_EQ(inFirst, std::vector<std::filesystem::path>{second});
    // The file is made and marked where the path names it. The profile functions themselves
    // take no path beyond MAX_PATH, so its entries stay unwritten; that is no failure of the run.
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(GetFileAttributesW(longTree.file.c_str()), 0x26u);
}

}  // namespace
