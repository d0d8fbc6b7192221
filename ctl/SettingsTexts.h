#pragma once
// The settings program's string table, shared rather than copied: the mode labels come from
// the settings program's language module, as the dialog shows them, else from the settings
// program itself, which holds them in English.
#include <windows.h>

#include <string>

#include "LanguageModule.h"

namespace ctl {

class SettingsTexts {
public:
    // strSettingsProgram: the path of Nodwell.exe. A primary language of 0 is the user's
    // interface language, as in the settings program's options "p" and "s".
    explicit SettingsTexts(const std::wstring& strSettingsProgram, WORD wPrimaryLang = 0, WORD wSubLang = 0);
    ~SettingsTexts();
    SettingsTexts(const SettingsTexts&) = delete;
    SettingsTexts& operator=(const SettingsTexts&) = delete;

    // Empty when neither module has the text.
    std::wstring Text(UINT nId) const;
    std::wstring EnglishText(UINT nId) const;

private:
    HMODULE m_hProgram = nullptr;
    crvUiVista::LanguageModule m_language;
};

}  // namespace ctl
