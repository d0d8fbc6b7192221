#pragma once
// Section "LOG" of "DbgLog.ini" beside the program. Each setting is read the first time it is
// needed and kept for the life of the process.
#include <cstdint>
#include <string>

enum class LogDestination : std::int32_t { None = 0, Debugger = 1, KeptOpenFile = 2, FilePerLine = 3, StandardError = 4 };
enum class StampMode : std::int32_t { None = 0, TimeOfDay = 1, DateAndTime = 2, SecondsSinceFirst = 3 };

LogDestination logDestination();
std::int32_t logLevelLimit();
StampMode logStampMode();
bool logFullSourceName();
bool logFlushEachLine();
// The "LogFile" text as written, whole, environment variables not yet expanded.
const std::wstring& logFileSetting();
