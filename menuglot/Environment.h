#pragma once
#include <string>

// The text with its environment variables expanded, however long the result; a variable that
// is not defined stays as written.
std::wstring expandEnvironment(const std::wstring& text);
