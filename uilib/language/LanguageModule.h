#pragma once
// Language modules: resource-only DLLs named "<locale name>\<program file name>.mui" in the
// program's folder, one per language, holding the program's texts in that language.
#include <windows.h>

#include <string>

namespace crvUiVista {

// The language id of the options "p" (primary language) and "s" (sub-language). Primary
// languages without a language module family of the suite become 0, so that the id then
// stands for the user's own language.
LANGID LanguageIdFromOptions(WORD wPrimaryLang, WORD wSubLang);

// Where the module of a language lies for a program; empty when the id names no locale.
// Language 0 is the user's interface language.
std::wstring LanguageModulePath(const std::wstring& strProgramPath, LANGID wLangId);

// A loaded language module, freed when it goes.
class LanguageModule {
public:
    LanguageModule() = default;
    ~LanguageModule();
    LanguageModule(LanguageModule&& other) noexcept;
    LanguageModule& operator=(LanguageModule&& other) noexcept;
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // Loads the module of a language for a program as data only, or nothing when it is missing.
    static LanguageModule Load(const std::wstring& strProgramPath, LANGID wLangId);

    // The module chosen by the options "p" and "s": that language's module when "p" is given
    // and it exists (the thread's interface language is then set to it), else the module of
    // the user's interface language, else nothing (the program uses its own resources).
    static LanguageModule Choose(const std::wstring& strProgramPath, WORD wPrimaryLang, WORD wSubLang);

    HMODULE Handle() const { return m_hModule; }
    explicit operator bool() const { return m_hModule != nullptr; }

private:
    explicit LanguageModule(HMODULE hModule) : m_hModule(hModule) {}
    HMODULE m_hModule = nullptr;
};

}  // namespace crvUiVista
