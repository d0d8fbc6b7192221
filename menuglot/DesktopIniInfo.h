#pragma once
#include <string>
#include <utility>
#include <vector>

// What one run writes into a folder's desktop.ini, environment variables already expanded.
struct DesktopIniInfo {
    std::wstring desktopIniPath;
    std::wstring localizedResourceName;  // may be empty: then it is not written
    std::vector<std::pair<std::wstring, std::wstring>> localizedFileNames;  // in description order
};
