#include "SettingsTexts.h"

#include "ResourceString.h"

namespace ctl {

SettingsTexts::SettingsTexts(const std::wstring& strSettingsProgram, WORD wPrimaryLang, WORD wSubLang)
    : m_hProgram(::LoadLibraryExW(strSettingsProgram.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
      m_language(crvUiVista::LanguageModule::Choose(strSettingsProgram, wPrimaryLang, wSubLang)) {}

SettingsTexts::~SettingsTexts() {
    if (m_hProgram) ::FreeLibrary(m_hProgram);
}

std::wstring SettingsTexts::Text(UINT nId) const {
    const std::wstring text = LoadResourceString(m_language.Handle(), nId);
    return text.empty() ? EnglishText(nId) : text;
}

std::wstring SettingsTexts::EnglishText(UINT nId) const { return LoadResourceString(m_hProgram, nId); }

}  // namespace ctl
