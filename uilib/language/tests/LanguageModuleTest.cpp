#include <gtest/gtest.h>

#include <string>

#include "LanguageModule.h"
#include "TestModuleIds.h"

using crvUiVista::LanguageIdFromOptions;
using crvUiVista::LanguageModule;
using crvUiVista::LanguageModulePath;

namespace {

std::wstring ThisProgram() {
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    return szPath;
}

// The greeting as the program would show it: from the module, or from its own resources.
std::wstring Greeting(const LanguageModule& module) {
    const wchar_t* text = nullptr;
    const HMODULE hSource = module ? module.Handle() : ::GetModuleHandleW(nullptr);
    const int length = ::LoadStringW(hSource, IDS_GREETING, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

}  // namespace

TEST(LanguageModule, OptionsFormTheLanguageIdAndUnknownPrimaryLanguagesBecomeTheUsersOwn) {
    struct Case {
        WORD primary, sub;
        LANGID expected;
    };
    for (const Case& c : {Case{0x09, 1, 0x0409}, Case{0x07, 1, 0x0407}, Case{0x11, 1, 0x0411}, Case{0x0C, 3, 0x0C0C},
                          Case{0x01, 0, 0x0000}, Case{0x0D, 0, 0x0000}, Case{0x20, 0, 0x0000}, Case{0x1F, 1, 0x041F}}) {
        EXPECT_EQ(c.expected, LanguageIdFromOptions(c.primary, c.sub)) << c.primary << " " << c.sub;
    }
}

TEST(LanguageModule, ModuleLiesInTheLocaleFolderBesideTheProgram) {
    EXPECT_EQ(L"C:\\Program Files (x86)\\Corvane\\de-DE\\Nodwell.exe.mui",
              LanguageModulePath(L"C:\\Program Files (x86)\\Corvane\\Nodwell.exe", 0x0407));
    EXPECT_EQ(L"C:\\x\\fr-FR\\NodwellInfo.exe.mui", LanguageModulePath(L"C:\\x\\NodwellInfo.exe", 0x040C));
}

TEST(LanguageModule, GermanModuleGivesGermanTextsAndMissingLanguagesFallBackToTheProgram) {
    const LanguageModule german = LanguageModule::Load(ThisProgram(), 0x0407);
    ASSERT_TRUE(german);
    EXPECT_EQ(L"Guten Morgen", Greeting(german));
    // The module is data only: nothing of it runs, and it is not a module of the process by name.
    EXPECT_EQ(nullptr, ::GetProcAddress(german.Handle(), "DllMain"));

    const LanguageModule french = LanguageModule::Load(ThisProgram(), 0x040C);
    EXPECT_FALSE(french);
    EXPECT_EQ(L"Good morning", Greeting(french));
}

TEST(LanguageModule, ChoiceFollowsTheOptionsThenTheUsersLanguage) {
    EXPECT_EQ(L"Guten Morgen", Greeting(LanguageModule::Choose(ThisProgram(), 0x07, 0x01)));
    // The test prefix's interface language is English, which has no module here.
    ASSERT_NE(0x07, PRIMARYLANGID(::GetUserDefaultUILanguage()));
    EXPECT_EQ(L"Good morning", Greeting(LanguageModule::Choose(ThisProgram(), 0x0C, 0x01)));
    EXPECT_EQ(L"Good morning", Greeting(LanguageModule::Choose(ThisProgram(), 0, 0)));
    // An unknown primary language asks for the user's language rather than a German one.
    EXPECT_EQ(L"Good morning", Greeting(LanguageModule::Choose(ThisProgram(), 0x01, 0x01)));
}

TEST(LanguageModule, MovedModuleIsFreedOnce) {
    LanguageModule first = LanguageModule::Load(ThisProgram(), 0x0407);
    ASSERT_TRUE(first);
    LanguageModule second = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(L"Guten Morgen", Greeting(second));
}
