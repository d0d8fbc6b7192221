#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LanguageModule.h"
#include "LanguageOptions.h"
#include "TestModuleIds.h"

using crvUiVista::LanguageIdFromOptions;
using crvUiVista::LanguageModule;
using crvUiVista::LanguageModuleLocales;
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

// Windows' answer where Wine's is more lenient: a neutral locale is named only with
// LOCALE_ALLOW_NEUTRAL_NAMES; Wine names it without the flag.
int WINAPI WindowsLocaleName(LCID lcid, LPWSTR szName, int cchName, DWORD dwFlags) {
    if (SUBLANGID(LANGIDFROMLCID(lcid)) == SUBLANG_NEUTRAL && !(dwFlags & LOCALE_ALLOW_NEUTRAL_NAMES)) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return ::LCIDToLocaleName(lcid, szName, cchName, dwFlags);
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

TEST(LanguageOptions, ValuesAreHexDigitsUpToTheFirstOtherCharacterWithTheLow16BitsKept) {
    constexpr WORD kUntouched = 0xEE;
    struct Case {
        const wchar_t* option;
        bool bRead;
        WORD primary, sub;
    };
    for (const Case& c : {Case{L"p:7", true, 0x07, kUntouched}, Case{L"P:1f", true, 0x1F, kUntouched},
                          Case{L"s\tA", true, kUntouched, 0x0A}, Case{L"S 2", true, kUntouched, 2},
                          Case{L"p: 7", true, 0, kUntouched}, Case{L"p:0x7", true, 0, kUntouched},
                          Case{L"p:-1", true, 0, kUntouched}, Case{L"p:123456789", true, 0x6789, kUntouched},
                          Case{L"s:FfFfF", true, kUntouched, 0xFFFF}, Case{L"p:g", true, 0, kUntouched},
                          Case{L"p:", true, 0, kUntouched}, Case{L"p:1fz9", true, 0x1F, kUntouched},
                          Case{L"p", false, kUntouched, kUntouched}, Case{L"px7", false, kUntouched, kUntouched},
                          Case{L"x:7", false, kUntouched, kUntouched}}) {
        WORD wPrimary = kUntouched, wSub = kUntouched;
        EXPECT_EQ(c.bRead, crvUiVista::ReadLanguageOption(c.option, wPrimary, wSub)) << c.option;
        EXPECT_EQ(c.primary, wPrimary) << c.option;
        EXPECT_EQ(c.sub, wSub) << c.option;
    }
}

TEST(LanguageModule, ModuleLiesInTheLocaleFolderBesideTheProgram) {
    EXPECT_EQ(L"C:\\Program Files (x86)\\Corvane\\de-DE\\Nodwell.exe.mui",
              LanguageModulePath(L"C:\\Program Files (x86)\\Corvane\\Nodwell.exe", L"de-DE"));
    EXPECT_EQ(L"C:\\x\\fr-FR\\NodwellInfo.exe.mui", LanguageModulePath(L"C:\\x\\NodwellInfo.exe", L"fr-FR"));
}

TEST(LanguageModule, ALanguageIsLookedForAsItselfItsNeutralFormThenTheLanguageThatStandsForIt) {
    using Locales = std::vector<std::wstring>;
    EXPECT_EQ((Locales{L"de-AT", L"de", L"de-DE"}), LanguageModuleLocales(0x0C07, WindowsLocaleName));
    EXPECT_EQ((Locales{L"de-DE", L"de"}), LanguageModuleLocales(0x0407, WindowsLocaleName));
    EXPECT_EQ((Locales{L"de", L"de-DE"}), LanguageModuleLocales(0x0007, WindowsLocaleName));
    EXPECT_EQ(Locales{}, LanguageModuleLocales(0x0809, WindowsLocaleName));
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

TEST(LanguageModule, TheLanguageAskedForIsShownThenTheUsersThenEnglish) {
    constexpr const wchar_t* kGerman = L"Guten Morgen";
    constexpr const wchar_t* kEnglish = L"Good morning";
    const struct {
        const char* what;
        WORD primary, sub;
        LANGID wUserLang;
        const wchar_t* greeting;
    } cases[] = {
        {"German asked for", 0x07, 0x01, 0x0409, kGerman},
        {"neutral German finds de-DE", 0x07, 0x00, 0x0409, kGerman},
        {"English asked for by a German user", 0x09, 0x01, 0x0407, kEnglish},
        {"neutral English asked for by a German user", 0x09, 0x00, 0x0407, kEnglish},
        {"no French module: the German user's", 0x0C, 0x01, 0x0407, kGerman},
        {"no French module: the English user's", 0x0C, 0x01, 0x0409, kEnglish},
        {"an unknown primary language: the user's", 0x01, 0x01, 0x0407, kGerman},
        {"no options, German user", 0, 0, 0x0407, kGerman},
        {"no options, Austrian user: the specific language the neutral form stands for", 0, 0, 0x0C07, kGerman},
        {"no options, Belgian Dutch user: the neutral form's module", 0, 0, 0x0813, L"Goedemorgen"},
        {"no options, French user: English", 0, 0, 0x040C, kEnglish},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.greeting, Greeting(LanguageModule::Choose(ThisProgram(), c.primary, c.sub, c.wUserLang))) << c.what;
    }
}

TEST(LanguageModule, MovedModuleIsFreedOnce) {
    LanguageModule first = LanguageModule::Load(ThisProgram(), 0x0407);
    ASSERT_TRUE(first);
    LanguageModule second = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(L"Guten Morgen", Greeting(second));
}
