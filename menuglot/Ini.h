#pragma once
// Reading the INI description and writing the folder's desktop.ini.
#include <windows.h>

#include <string>

#include "DesktopIniInfo.h"

// Reads the desktop.ini path, the folder's resource name and the file-name entries.
HRESULT readIni(const std::wstring& iniFilePath, DesktopIniInfo& info);

// Writes the entries into the desktop.ini, marks it hidden and system and the folder system.
HRESULT writeIni(const DesktopIniInfo& info);
