#pragma once
// Language modules: resource-only DLLs named "<locale name>\<program file name>.mui" in the
// program's folder, one per language, holding the program's texts in that language.
#include <windows.h>

#include <string>
#include <vector>

namespace crvUiVista {

// The language id of the options "p" (primary language) and "s" (sub-language). Primary
// languages without a language module family of the suite become 0, so that the id then
// stands for the user's own language.
LANGID LanguageIdFromOptions(WORD wPrimaryLang, WORD wSubLang);

// The locale name of a language id, as LCIDToLocaleName gives it.
using LocaleNameFunction = int(WINAPI*)(LCID, LPWSTR, int, DWORD);

// The locale names under which a module may hold a language, best first: the language's own,
// its neutral form's, the specific language the neutral form stands for ("de-AT", "de",
// "de-DE"); none for English. Tests pass Windows' stricter answer for the locale names.
std::vector<std::wstring> LanguageModuleLocales(LANGID wLangId, LocaleNameFunction localeName = ::LCIDToLocaleName);

// Where the module of a locale lies for a program.
std::wstring LanguageModulePath(const std::wstring& strProgramPath, const std::wstring& strLocale);

// A loaded language module, freed when it goes.
class LanguageModule {
public:
    LanguageModule() = default;
    ~LanguageModule();
    LanguageModule(LanguageModule&& other) noexcept;
    LanguageModule& operator=(LanguageModule&& other) noexcept;
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // Loads the module of a language for a program, as data only: the language's own, else
    // that of its neutral form, else that of the specific language the neutral form stands for
    // ("de-AT", "de", "de-DE"); nothing for English, whose texts are the program's own, or
    // when there is none.
    static LanguageModule Load(const std::wstring& strProgramPath, LANGID wLangId);

    // The module chosen by the options "p" and "s" (the thread's interface language is set to
    // the language they name): nothing for English, whose texts are the program's own; that
    // language's module when there is one; else the module of the user's interface language;
    // else nothing, and the program uses its own resources.
    static LanguageModule Choose(const std::wstring& strProgramPath, WORD wPrimaryLang, WORD wSubLang,
                                 LANGID wUserLang = ::GetUserDefaultUILanguage());

    HMODULE Handle() const { return m_hModule; }
    explicit operator bool() const { return m_hModule != nullptr; }

private:
    explicit LanguageModule(HMODULE hModule) : m_hModule(hModule) {}
    HMODULE m_hModule = nullptr;
};

}  // namespace crvUiVista
