#pragma once
#include "Afx.h"

// Registers the settings program's bitmaps as that program does, then shows the gallery.
class CGalleryApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
