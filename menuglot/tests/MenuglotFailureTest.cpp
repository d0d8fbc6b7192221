#include <gtest/gtest.h>

#include <cwchar>

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

// After expansion, only a full path names the same file for CreateFileW (the current folder)
// and the profile functions (the Windows folder for a bare name).
TEST(MenuglotFailure, APathThatIsNotFullIsRefusedBeforeAnythingIsCreated) {
    const std::wstring bareName = L"menuglot-bare-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"bare file name", std::string(bareName.begin(), bareName.end())},
        {"relative to the current folder", "Sub\\desktop.ini"},
        {"undefined variable", "%MENUGLOT_TEST_UNDEFINED%\\desktop.ini"},
        {"drive without its root", "C:desktop.ini"},
        {"root of the current drive", "\\menuglot-root-relative\\desktop.ini"},
    };
    for (const auto& c : cases) {
        InstalledMenuglot menuglot;
        std::filesystem::create_directory(menuglot.menuFolder() / L"Sub");
        const auto name = menuglot.writeDescription("[ShortcutInfo]\nDesktopIniPath=" + c.path + "\n" + kFileNames);
        DWORD exitCode = 0;
        {
            const CurrentFolder inMenu(menuglot.menuFolder());
            exitCode = menuglot.run(name);
        }
        EXPECT_EQ(exitCode, 0x80004005u) << c.name;
        EXPECT_EQ(errorLines(menuglot.logLines()), (Lines{readIniError("0x80004005"), mainError("0x80004005")})) << c.name;
        std::vector<std::filesystem::path> inMenu;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(menuglot.menuFolder())) {
            inMenu.push_back(std::filesystem::relative(entry.path(), menuglot.menuFolder()));
        }
        EXPECT_EQ(inMenu, std::vector<std::filesystem::path>{L"Sub"}) << c.name;
        EXPECT_FALSE(std::filesystem::exists(expandedForTest(L"%SystemRoot%\\") + bareName)) << c.name;
        EXPECT_EQ(GetFileAttributesW(menuglot.menuFolder().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY)) << c.name;
    }
}

// A path of MAX_PATH characters or more is more than the profile functions take: the run would
// make and mark an empty desktop.ini with none of its entries.
TEST(MenuglotFailure, ADesktopIniPathOfMaxPathCharactersIsRefusedOneLessIsWrittenWhole) {
    for (const size_t length : {size_t{MAX_PATH - 1}, size_t{MAX_PATH}}) {
        InstalledMenuglot menuglot;
        // The root, a folder of 100 characters, one of the length left, and the file name.
        const size_t fixed = menuglot.root().wstring().size() + 1 + 100 + 1 + std::wcslen(L"\\desktop.ini");
        ASSERT_LT(fixed, length);
        const auto folder = menuglot.root() / std::wstring(100, L'a') / std::wstring(length - fixed, L'b');
        std::filesystem::create_directories(folder);
        const auto file = folder / L"desktop.ini";
        ASSERT_EQ(file.wstring().size(), length);
        const std::string narrow = file.string();
        const auto name = menuglot.writeDescription("[ShortcutInfo]\nDesktopIniPath=" + narrow + "\n" + kFileNames);
        const DWORD exitCode = menuglot.run(name);
        if (length < MAX_PATH) {
            EXPECT_EQ(exitCode, 0u);
            EXPECT_EQ(sectionEntries(file, L"LocalizedFileNames"), std::vector<std::wstring>{L"A.lnk=a"});
            EXPECT_EQ(GetFileAttributesW(file.c_str()), 0x26u);
        } else {
            EXPECT_EQ(exitCode, 0x80004005u);
            EXPECT_EQ(errorLines(menuglot.logLines()), (Lines{readIniError("0x80004005"), mainError("0x80004005")}));
            EXPECT_TRUE(std::filesystem::is_empty(folder));
            EXPECT_EQ(GetFileAttributesW(folder.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
        }
    }
}

}  // namespace
