#include "LogLine.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

const wchar_t* levelName(LogLevel level) {
    switch (level) {
        case LogLevel::Error: return L"ERR";
        case LogLevel::Warning: return L"WRN";
        case LogLevel::Information: return L"INF";
        case LogLevel::Trace: return L"TRC";
    }
    return L"";
}

const wchar_t* shownSourceName(const wchar_t* file, bool fullSourceName) {
    if (fullSourceName) return file;
    const wchar_t* lastSeparator = std::wcsrchr(file, L'\\');
    return lastSeparator ? lastSeparator + 1 : file;
}

// Appends a piece in the room left (keeping one slot for the NUL) and cuts it to that room.
// The msvcrt formatter is used on purpose: its "%s" takes a wide string in a wide format,
// which is what the callers' formats mean.
class LineWriter {
public:
    explicit LineWriter(wchar_t (&line)[kLogLineBufferSize]) : m_line(line) { m_line[0] = L'\0'; }

    void vappend(const wchar_t* format, va_list args) {
        const std::size_t room = kLogLineBufferSize - 1 - m_length;
        if (room == 0) return;
        const int written = _vsnwprintf(m_line + m_length, room, format, args);
        m_length += written < 0 || static_cast<std::size_t>(written) > room ? room : static_cast<std::size_t>(written);
        m_line[m_length] = L'\0';
    }

    void append(const wchar_t* format, ...) {
        va_list args;
        va_start(args, format);
        vappend(format, args);
        va_end(args);
    }

    // Lets a Win32 formatter write straight into the room left; it returns a count with the
    // NUL, or 0 on failure, which leaves its piece out.
    wchar_t* tail() { return m_line + m_length; }
    int roomWithNul() const { return static_cast<int>(kLogLineBufferSize - m_length); }
    void advanceByCountWithNul(int count) {
        if (count > 0) m_length += static_cast<std::size_t>(count - 1);
    }

    std::size_t finish() {
        if (m_length > kLogLineMaxContent) m_length = kLogLineMaxContent;
        m_line[m_length++] = L'\n';
        m_line[m_length] = L'\0';
        return m_length;
    }

private:
    wchar_t (&m_line)[kLogLineBufferSize];
    std::size_t m_length = 0;
};

void appendStamp(LineWriter& writer, StampMode mode) {
    switch (mode) {
        case StampMode::None:
            return;
        case StampMode::TimeOfDay:
        case StampMode::DateAndTime: {
            SYSTEMTIME now{};
            GetLocalTime(&now);
            if (mode == StampMode::DateAndTime) {
                writer.advanceByCountWithNul(GetDateFormatW(LOCALE_USER_DEFAULT, 0, &now, L"yyyy-MM-dd ",
                                                            writer.tail(), writer.roomWithNul()));
            }
            writer.advanceByCountWithNul(
                GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, L"HH:mm:ss", writer.tail(), writer.roomWithNul()));
            writer.append(L".%03d: ", now.wMilliseconds);
            return;
        }
        case StampMode::SecondsSinceFirst: {
            static DWORD base = 0;
            static bool baseTaken = false;
            const DWORD now = GetTickCount();
            if (!baseTaken) {
                baseTaken = true;
                base = now;
            }
            const DWORD elapsed = now - base;
            writer.append(L"%d.%03d: ", static_cast<int>(elapsed / 1000), static_cast<int>(elapsed % 1000));
            return;
        }
    }
}

}  // namespace

std::size_t buildLogLine(wchar_t (&line)[kLogLineBufferSize], StampMode stampMode, bool fullSourceName,
                         const LogSite& site, const wchar_t* format, va_list args) {
    LineWriter writer(line);
    appendStamp(writer, stampMode);
    writer.append(L"%s(%d): %s [%s]%s: ", shownSourceName(site.file, fullSourceName), static_cast<int>(site.line),
                  site.tag, levelName(site.level), site.function);
    writer.vappend(format, args);
    return writer.finish();
}
