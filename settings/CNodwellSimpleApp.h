#pragma once
// The settings program: chooses the language of its texts, keeps to one copy on the machine,
// starts GDI+ and runs the settings dialog; the program ends with the dialog.
#include "Afx.h"

class CNodwellSimpleApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
