#include "LogSettings.h"

#include <windows.h>

#include <cstdlib>

#include "ProfileText.h"

namespace {

constexpr wchar_t kSection[] = L"LOG";

// Beside the program; empty when the program's own path cannot be had.
const wchar_t* dbgLogIniPath() {
    static wchar_t path[MAX_PATH] = {};
    static bool computed = false;
    if (!computed) {
        computed = true;
        wchar_t module[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
        wchar_t drive[_MAX_DRIVE] = {};
        wchar_t folder[_MAX_DIR] = {};
        if (length > 0 && length < MAX_PATH &&
            _wsplitpath_s(module, drive, _MAX_DRIVE, folder, _MAX_DIR, nullptr, 0, nullptr, 0) == 0 &&
            _wmakepath_s(path, MAX_PATH, drive, folder, L"DbgLog", L"ini") != 0) {
            path[0] = L'\0';
        }
    }
    return path;
}

std::int32_t readSetting(const wchar_t* key, std::int32_t defaultValue) {
    if (dbgLogIniPath()[0] == L'\0') return defaultValue;
    return static_cast<std::int32_t>(GetPrivateProfileIntW(kSection, key, defaultValue, dbgLogIniPath()));
}

template <typename T>
struct Cached {
    bool read = false;
    T value{};
};

}  // namespace

LogDestination logDestination() {
    static Cached<LogDestination> cached;
    if (!cached.read) {
        cached.read = true;
        const std::int32_t value = readSetting(L"Destination", 2);
        cached.value = value >= 0 && value <= 4 ? static_cast<LogDestination>(value) : LogDestination::KeptOpenFile;
    }
    return cached.value;
}

std::int32_t logLevelLimit() {
    static Cached<std::int32_t> cached;
    if (!cached.read) {
        cached.read = true;
        const std::int32_t value = readSetting(L"Level", 0);
        cached.value = value >= 0 && value <= 3 ? value : 0;
    }
    return cached.value;
}

StampMode logStampMode() {
    static Cached<StampMode> cached;
    if (!cached.read) {
        cached.read = true;
        const std::int32_t value = readSetting(L"TimeDateFormat", 1);
        cached.value = value >= 0 && value <= 3 ? static_cast<StampMode>(value) : StampMode::TimeOfDay;
    }
    return cached.value;
}

bool logFullSourceName() {
    static Cached<bool> cached;
    if (!cached.read) {
        cached.read = true;
        cached.value = readSetting(L"SourceFileFormat", 0) == 1;
    }
    return cached.value;
}

bool logFlushEachLine() {
    static Cached<bool> cached;
    if (!cached.read) {
        cached.read = true;
        cached.value = readSetting(L"Flush", 0) == 1;
    }
    return cached.value;
}

const std::wstring& logFileSetting() {
    constexpr wchar_t kDefault[] = L"%LocalAppData%\\Corvane\\Help\\log.txt";
    // Read whole: a text cut to a buffer would name some other file.
    static const std::wstring text = dbgLogIniPath()[0] == L'\0'
                                         ? std::wstring(kDefault)
                                         : storage::readProfileString(kSection, L"LogFile", kDefault, dbgLogIniPath());
    return text;
}
