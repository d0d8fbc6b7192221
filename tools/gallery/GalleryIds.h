#pragma once
// The gallery mirrors the settings dialog: its template and controls keep that dialog's ids.
#include "resource.h"
