#include "LanguageModule.h"

#include <algorithm>
#include <array>
#include <utility>

namespace crvUiVista {

namespace {
// Primary languages the suite may ship a module for.
constexpr std::array<WORD, 21> kKnownPrimaryLanguages = {0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
                                                         0x0B, 0x0C, 0x0E, 0x10, 0x11, 0x12, 0x13,
                                                         0x14, 0x15, 0x16, 0x19, 0x1B, 0x1D, 0x1F};
}  // namespace

std::vector<std::wstring> LanguageModuleLocales(LANGID wLangId, LocaleNameFunction localeName) {
    std::vector<std::wstring> locales;
    const WORD wPrimary = PRIMARYLANGID(wLangId);
    if (wPrimary == LANG_NEUTRAL || wPrimary == LANG_ENGLISH) return locales;
    const LANGID candidates[] = {wLangId, static_cast<LANGID>(MAKELANGID(wPrimary, SUBLANG_NEUTRAL)),
                                 static_cast<LANGID>(MAKELANGID(wPrimary, SUBLANG_DEFAULT))};
    for (const LANGID wCandidate : candidates) {
        wchar_t szLocale[LOCALE_NAME_MAX_LENGTH] = {};
        // Windows names a neutral language ("de") only when asked to.
        if (localeName(MAKELCID(wCandidate, SORT_DEFAULT), szLocale, LOCALE_NAME_MAX_LENGTH,
                       LOCALE_ALLOW_NEUTRAL_NAMES) <= 0) {
            continue;
        }
        if (std::find(locales.begin(), locales.end(), szLocale) == locales.end()) locales.emplace_back(szLocale);
    }
    return locales;
}

LANGID LanguageIdFromOptions(WORD wPrimaryLang, WORD wSubLang) {
    const bool known = std::find(kKnownPrimaryLanguages.begin(), kKnownPrimaryLanguages.end(), wPrimaryLang) !=
                       kKnownPrimaryLanguages.end();
    return static_cast<LANGID>((wSubLang << 10) | (known ? wPrimaryLang : 0));
}

std::wstring LanguageModulePath(const std::wstring& strProgramPath, const std::wstring& strLocale) {
    const size_t separator = strProgramPath.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? std::wstring() : strProgramPath.substr(0, separator + 1);
    const std::wstring file = separator == std::wstring::npos ? strProgramPath : strProgramPath.substr(separator + 1);
    return folder + strLocale + L"\\" + file + L".mui";
}

LanguageModule::~LanguageModule() {
    if (m_hModule) ::FreeLibrary(m_hModule);
}

LanguageModule::LanguageModule(LanguageModule&& other) noexcept : m_hModule(std::exchange(other.m_hModule, nullptr)) {}

LanguageModule& LanguageModule::operator=(LanguageModule&& other) noexcept {
    if (this != &other) {
        if (m_hModule) ::FreeLibrary(m_hModule);
        m_hModule = std::exchange(other.m_hModule, nullptr);
    }
    return *this;
}

LanguageModule LanguageModule::Load(const std::wstring& strProgramPath, LANGID wLangId) {
    for (const std::wstring& locale : LanguageModuleLocales(wLangId)) {
        // As data only: a module from a language folder is never run.
        HMODULE hModule = ::LoadLibraryExW(LanguageModulePath(strProgramPath, locale).c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (hModule) return LanguageModule(hModule);
    }
    return {};
}

LanguageModule LanguageModule::Choose(const std::wstring& strProgramPath, WORD wPrimaryLang, WORD wSubLang,
                                      LANGID wUserLang) {
    const LANGID wLangId = LanguageIdFromOptions(wPrimaryLang, wSubLang);
    if (wPrimaryLang != 0) ::SetThreadUILanguage(wLangId);
    // English asked for is the program's own resources, whatever the user's language.
    if (PRIMARYLANGID(wLangId) == LANG_ENGLISH) return {};
    // A primary language filtered out names no language: the user's own is taken.
    if (PRIMARYLANGID(wLangId) != LANG_NEUTRAL) {
        if (LanguageModule module = Load(strProgramPath, wLangId)) return module;
    }
    return Load(strProgramPath, wUserLang);
}

}  // namespace crvUiVista
