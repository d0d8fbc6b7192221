#pragma once
// The agent's only command-line option.
#include <string_view>

// True when the text after the program name holds a '/' directly followed by 'U' or 'u'
// anywhere ("/u", "/Uninstall", "x/u" all count); nothing else on the line is read.
bool HasStopSwitch(std::wstring_view commandLine);
