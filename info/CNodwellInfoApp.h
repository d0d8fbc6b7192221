#pragma once
// The information program: reads its command line, picks the language of its texts and pages,
// makes sure one copy runs per logon session, and runs the information dialog; the program
// ends when the dialog closes.
#include <windows.h>

#include <optional>

#include "Afx.h"
#include "ImageHelper.h"
#include "LanguageModule.h"

class CNodwellInfoApp : public CWinApp {
public:
    CNodwellInfoApp() = default;

    BOOL InitInstance() override;
    int ExitInstance() override;

    WORD m_wPrimaryLang = 0;
    WORD m_wSubLang = 0;
    bool m_bSetup = false;

private:
    void ParseCommandLine();

    crvUiVista::LanguageModule m_languageModule;
    std::optional<crvUiVista::GdiplusSession> m_gdiplus;
    bool m_bOleStarted = false;
};
