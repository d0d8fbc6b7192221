#include "DebugLog.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "LogFile.h"
#include "LogLine.h"
#include "LogSettings.h"

int writeLog(const LogSite& site, const wchar_t* format, ...) {
    // A dropped record costs two cached comparisons: no file, no allocation.
    const LogDestination destination = logDestination();
    if (destination == LogDestination::None) return 0;
    if (static_cast<std::int32_t>(site.level) > logLevelLimit()) return 0;

    wchar_t line[kLogLineBufferSize];
    va_list args;
    va_start(args, format);
    const std::size_t length = buildLogLine(line, logStampMode(), logFullSourceName(), site, format, args);
    va_end(args);

    // The finished line is written as it stands; it is never used as a format.
    switch (destination) {
        case LogDestination::None:
            break;
        case LogDestination::Debugger:
            OutputDebugStringW(line);
            break;
        case LogDestination::KeptOpenFile:
            writeToKeptOpenFile(line, length, logFlushEachLine());
            break;
        case LogDestination::FilePerLine:
            appendToLogFile(line, length);
            break;
        case LogDestination::StandardError:
            writeLineToStream(stderr, line, length);
            break;
    }
    return static_cast<int>(length);
}
