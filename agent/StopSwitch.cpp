#include "StopSwitch.h"

bool HasStopSwitch(std::wstring_view commandLine) {
    for (size_t slash = commandLine.find(L'/'); slash != std::wstring_view::npos;
         slash = commandLine.find(L'/', slash + 1)) {
        if (slash + 1 < commandLine.size() && (commandLine[slash + 1] == L'u' || commandLine[slash + 1] == L'U')) {
            return true;
        }
    }
    return false;
}
