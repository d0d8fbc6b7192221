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

LANGID LanguageIdFromOptions(WORD wPrimaryLang, WORD wSubLang) {
    const bool known = std::find(kKnownPrimaryLanguages.begin(), kKnownPrimaryLanguages.end(), wPrimaryLang) !=
                       kKnownPrimaryLanguages.end();
    return static_cast<LANGID>((wSubLang << 10) | (known ? wPrimaryLang : 0));
}

std::wstring LanguageModulePath(const std::wstring& strProgramPath, LANGID wLangId) {
    if (wLangId == 0) wLangId = ::GetUserDefaultUILanguage();
    wchar_t szLocale[LOCALE_NAME_MAX_LENGTH] = {};
    if (::LCIDToLocaleName(MAKELCID(wLangId, SORT_DEFAULT), szLocale, LOCALE_NAME_MAX_LENGTH, 0) <= 0) return {};
    const size_t separator = strProgramPath.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? std::wstring() : strProgramPath.substr(0, separator + 1);
    const std::wstring file = separator == std::wstring::npos ? strProgramPath : strProgramPath.substr(separator + 1);
    return folder + szLocale + L"\\" + file + L".mui";
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
    const std::wstring path = LanguageModulePath(strProgramPath, wLangId);
    if (path.empty()) return {};
    // As data only: a module from a language folder is never run.
    return LanguageModule(
        ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

LanguageModule LanguageModule::Choose(const std::wstring& strProgramPath, WORD wPrimaryLang, WORD wSubLang) {
    LanguageModule module;
    if (wPrimaryLang != 0) {
        const LANGID wLangId = LanguageIdFromOptions(wPrimaryLang, wSubLang);
        module = Load(strProgramPath, wLangId);
        ::SetThreadUILanguage(wLangId);
    }
    if (!module) module = Load(strProgramPath, 0);
    return module;
}

}  // namespace crvUiVista
