#include <gtest/gtest.h>

#include "InstalledMenuglot.h"

namespace {

using Lines = std::vector<std::string>;
using Entries = std::vector<std::wstring>;

constexpr DWORD kHiddenSystemArchive = 0x26;
constexpr DWORD kSystemFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM;

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(MenuglotRun, CopiesExpandedEntriesInDescriptionOrderAndMarksFileAndFolder) {
    InstalledMenuglot menuglot;
    const auto name = menuglot.writeDescription(
        "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n"
        "[.ShellClassInfo]\nLocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21787\n"
        "[LocalizedFileNames]\n"
        "Zeta.lnk=@%SystemRoot%\\system32\\shell32.dll,-1\n"
        "Alpha.lnk=\"@%MENUGLOT_UNDEFINED%\\x.dll,-2\"\n"
        "Mid.lnk=C:\\\\bin\\\\tool.dll,-3\n");
    SetFileAttributesW(menuglot.menuFolder().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

    ASSERT_EQ(menuglot.run(name), 0u);

    const std::wstring systemRoot = expandedForTest(L"%SystemRoot%");
    EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L".ShellClassInfo"),
              Entries{L"LocalizedResourceName=@" + systemRoot + L"\\system32\\shell32.dll,-21787"});
    const Entries files{L"Zeta.lnk=@" + systemRoot + L"\\system32\\shell32.dll,-1",
                        L"Alpha.lnk=@%MENUGLOT_UNDEFINED%\\x.dll,-2", L"Mid.lnk=C:\\bin\\tool.dll,-3"};
    EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames"), files);
    EXPECT_EQ(GetFileAttributesW(menuglot.desktopIni().c_str()), kHiddenSystemArchive);
    EXPECT_EQ(GetFileAttributesW(menuglot.menuFolder().c_str()), kSystemFolder);

    const std::string folder = testsupport::InstallFolder().string();
    EXPECT_EQ(menuglot.logLines(),
              (Lines{"StartMenu.cpp(#):  [TRC] (wWinMain): szModuleFilePath = " + folder,
                     "StartMenu.cpp(#):  [TRC] (wWinMain): szIniFilePath = " + folder + "\\" + narrow(name),
                     "Ini.cpp(#):  [TRC] (readIni): szExpData = " + narrow(files[0].substr(9)),
                     "Ini.cpp(#):  [TRC] (readIni): szExpData = @%MENUGLOT_UNDEFINED%\\x.dll,-2",
                     "Ini.cpp(#):  [TRC] (readIni): szExpData = C:\\bin\\tool.dll,-3"}));
}

TEST(MenuglotRun, ExistingDesktopIniKeepsItsOtherEntriesAndAnEmptyResourceNameWritesNothing) {
    // Hidden and system: as an earlier run left it.
    for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_NORMAL}, kHiddenSystemArchive}) {
        InstalledMenuglot menuglot;
        testsupport::WriteTextFile(menuglot.desktopIni(),
                                   "[.ShellClassInfo]\r\nLocalizedResourceName=old\r\nIconResource=keep\r\n"
                                   "[LocalizedFileNames]\r\nZeta.lnk=old\r\nOther.lnk=keep\r\n");
        SetFileAttributesW(menuglot.desktopIni().c_str(), attributes);
        const auto name = menuglot.writeDescription(
            "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n"
            "[.ShellClassInfo]\nLocalizedResourceName=\n"
            "[LocalizedFileNames]\nZeta.lnk=new\nNew.lnk=added\n");

        ASSERT_EQ(menuglot.run(name), 0u) << attributes;

        EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L".ShellClassInfo"),
                  (Entries{L"LocalizedResourceName=old", L"IconResource=keep"}))
            << attributes;
        EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames"),
                  (Entries{L"Zeta.lnk=new", L"Other.lnk=keep", L"New.lnk=added"}))
            << attributes;
        EXPECT_EQ(GetFileAttributesW(menuglot.desktopIni().c_str()), kHiddenSystemArchive) << attributes;
    }
}

TEST(MenuglotRun, FailedKeyWritesToALockedDesktopIniStillEndInSuccessWithTheAttributesSet) {
    InstalledMenuglot menuglot;
    testsupport::WriteTextFile(menuglot.desktopIni(), "[LocalizedFileNames]\r\nZeta.lnk=old\r\n");
    const auto name = menuglot.writeDescription(
        "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n"
        "[LocalizedFileNames]\nZeta.lnk=new\n");
    DWORD exitCode = 0;
    {
        // Held without sharing, the file cannot be opened for the key writes; its attributes can
        // still be set.
        const HANDLE locked = CreateFileW(menuglot.desktopIni().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(locked, INVALID_HANDLE_VALUE);
        exitCode = menuglot.run(name);
        CloseHandle(locked);
    }
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames"), Entries{L"Zeta.lnk=old"});
    EXPECT_EQ(GetFileAttributesW(menuglot.desktopIni().c_str()), kHiddenSystemArchive);
}

TEST(MenuglotRun, AnEmptyFileNameSectionOrOneThatExistsOnlyThroughASubSectionWritesTheResourceNameOnly) {
    for (const char* fileNames : {"[LocalizedFileNames]\n", "[LocalizedFileNames\\Sub]\nIgnored.lnk=x\n"}) {
        InstalledMenuglot menuglot;
        const auto name = menuglot.writeDescription(
            std::string("[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n"
                        "[.ShellClassInfo]\nLocalizedResourceName=@folder.dll,-1\n") +
            fileNames);
        ASSERT_EQ(menuglot.run(name), 0u) << fileNames;
        EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L".ShellClassInfo"), Entries{L"LocalizedResourceName=@folder.dll,-1"});
        EXPECT_TRUE(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames").empty());
        EXPECT_EQ(GetFileAttributesW(menuglot.desktopIni().c_str()), kHiddenSystemArchive);
        EXPECT_EQ(GetFileAttributesW(menuglot.menuFolder().c_str()), kSystemFolder);
    }
}

TEST(MenuglotRun, WithoutArgumentsTheDescriptionIsNamedAfterTheProgramAndLeadingBlanksAreSkipped) {
    for (const std::wstring arguments : {L"", L"   "}) {
        InstalledMenuglot menuglot;
        menuglot.writeBesideProgram(L"Menuglot.ini",
                                    "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n"
                                    "[LocalizedFileNames]\nDefault.lnk=found\n");
        ASSERT_EQ(menuglot.run(arguments), 0u);
        EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames"), Entries{L"Default.lnk=found"});
    }
    InstalledMenuglot menuglot;
    const auto name = menuglot.writeDescription(
        "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n[LocalizedFileNames]\nNamed.lnk=1\n");
    ASSERT_EQ(menuglot.run(L"  " + name), 0u);
    EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames"), Entries{L"Named.lnk=1"});
}

TEST(MenuglotRun, ValuesLongerThanThreeHundredCharactersAreWrittenWhole) {
    InstalledMenuglot menuglot;
    const std::string longName = "@" + std::string(400, 'r') + ".dll,-1";
    const std::string longFileName = "%SystemRoot%\\" + std::string(320, 'f');
    const std::string storedFileName = "%SystemRoot%\\\\" + std::string(320, 'f');  // the backslash doubled
    const auto name = menuglot.writeDescription(
        "[ShortcutInfo]\nDesktopIniPath=%MENUGLOT_TEST_ROOT%\\Menu\\desktop.ini\n"
        "[.ShellClassInfo]\nLocalizedResourceName=" + longName + "\n"
        "[LocalizedFileNames]\nLong.lnk=" + storedFileName + "\n");

    ASSERT_EQ(menuglot.run(name), 0u);

    EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L".ShellClassInfo"),
              Entries{L"LocalizedResourceName=" + std::wstring(longName.begin(), longName.end())});
    EXPECT_EQ(sectionEntries(menuglot.desktopIni(), L"LocalizedFileNames"),
              Entries{L"Long.lnk=" + expandedForTest(std::wstring(longFileName.begin(), longFileName.end()))});
}

}  // namespace
