#pragma once
// The localiser's debug log, configured by "DbgLog.ini" beside the program. Without that file
// errors go to "%LocalAppData%\Corvane\Help\log.txt".
#include "LogSite.h"

// Formats one record printf-style (wide strings for "%s") and sends it to the configured
// destination. Returns the line's length, 0 when the record was filtered out; never fails the
// caller.
int writeLog(const LogSite& site, const wchar_t* format, ...);
