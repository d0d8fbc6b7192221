#pragma once
#include <cstdint>

enum class LogLevel : std::int32_t { Error = 0, Warning = 1, Information = 2, Trace = 3 };

// Where a record comes from, filled in at the call site.
struct LogSite {
    const wchar_t* file;      // as the build records it, e.g. ".\\Ini.cpp"
    std::int32_t line;
    const wchar_t* function;  // with its own leading blank and parentheses: " (readIni)"
    const wchar_t* tag;       // printed before the level name
    LogLevel level;
};
