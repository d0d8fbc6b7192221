#include "SettingsTexts.h"

namespace ctl {
namespace {

std::wstring LoadText(HMODULE hModule, UINT nId) {
    if (!hModule) return {};
    const wchar_t* pText = nullptr;
    // With a zero length LoadStringW hands out the resource's own read-only text.
    const int nLength = ::LoadStringW(hModule, nId, reinterpret_cast<LPWSTR>(&pText), 0);
    return nLength > 0 ? std::wstring(pText, static_cast<size_t>(nLength)) : std::wstring();
}

}  // namespace

SettingsTexts::SettingsTexts(const std::wstring& strSettingsProgram, WORD wPrimaryLang, WORD wSubLang)
    : m_hProgram(::LoadLibraryExW(strSettingsProgram.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
      m_language(crvUiVista::LanguageModule::Choose(strSettingsProgram, wPrimaryLang, wSubLang)) {}

SettingsTexts::~SettingsTexts() {
    if (m_hProgram) ::FreeLibrary(m_hProgram);
}

std::wstring SettingsTexts::Text(UINT nId) const {
    const std::wstring text = LoadText(m_language.Handle(), nId);
    return text.empty() ? EnglishText(nId) : text;
}

std::wstring SettingsTexts::EnglishText(UINT nId) const { return LoadText(m_hProgram, nId); }

}  // namespace ctl
