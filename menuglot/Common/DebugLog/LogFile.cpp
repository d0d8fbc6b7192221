#include "LogFile.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <direct.h>
#include <memory>

#include "LogSettings.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Creates the last missing folder level only: a log under a folder tree that is not there at
// all stays unwritten rather than building the tree.
std::FILE* openLogFile(const wchar_t* mode) {
    wchar_t path[MAX_PATH] = {};
    const DWORD count = ExpandEnvironmentStringsW(logFileSetting().c_str(), path, MAX_PATH);
    // A path that does not fit would be cut and name some other file.
    if (count == 0 || count > MAX_PATH) return nullptr;
    std::FILE* file = nullptr;
    errno_t error = _wfopen_s(&file, path, mode);
    if (error == ENOENT) {
        wchar_t drive[_MAX_DRIVE] = {};
        wchar_t folder[_MAX_DIR] = {};
        wchar_t parent[MAX_PATH] = {};
        if (_wsplitpath_s(path, drive, _MAX_DRIVE, folder, _MAX_DIR, nullptr, 0, nullptr, 0) == 0 &&
            _wmakepath_s(parent, MAX_PATH, drive, folder, nullptr, nullptr) == 0) {
            _wmkdir(parent);
            error = _wfopen_s(&file, path, mode);
        }
    }
    return error == 0 ? file : nullptr;
}

}  // namespace

void writeLineToStream(std::FILE* stream, const wchar_t* line, std::size_t length) {
    char bytes[1600];  // a line of at most 511 UTF-16 units takes at most 1533 bytes
    const int count = WideCharToMultiByte(CP_UTF8, 0, line, static_cast<int>(length), bytes,
                                          static_cast<int>(sizeof(bytes)), nullptr, nullptr);
    if (count > 0) std::fwrite(bytes, 1, static_cast<std::size_t>(count), stream);
}

void writeToKeptOpenFile(const wchar_t* line, std::size_t length, bool flushEachLine) {
    // Opened by the first line that gets this far, once per process; the destructor, registered
    // when the file is opened, closes it when the process exits.
    static const FileHandle file(openLogFile(L"w"));
    if (!file) return;
    writeLineToStream(file.get(), line, length);
    if (flushEachLine) std::fflush(file.get());
}

void appendToLogFile(const wchar_t* line, std::size_t length) {
    const FileHandle file(openLogFile(L"a"));
    if (file) writeLineToStream(file.get(), line, length);
}
