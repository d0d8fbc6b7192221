#pragma once
// One log line: stamp, site prefix and message, cut so that it never exceeds 511 characters
// and always ends with one line feed.
#include <cstdarg>
#include <cstddef>

#include "LogSettings.h"
#include "LogSite.h"

constexpr std::size_t kLogLineBufferSize = 512;
constexpr std::size_t kLogLineMaxContent = 510;  // the line feed comes after these

// Writes the finished line (NUL-terminated) into line and returns its length.
std::size_t buildLogLine(wchar_t (&line)[kLogLineBufferSize], StampMode stampMode, bool fullSourceName,
                         const LogSite& site, const wchar_t* format, va_list args);
