#include "CallLog.h"

#include <memory>

namespace {

struct FileCloser {
    void operator()(HANDLE hFile) const { CloseHandle(hFile); }
};
using UniqueFile = std::unique_ptr<void, FileCloser>;

}  // namespace

std::string FormatCallLine(std::string_view function, std::initializer_list<DWORD> inputs, LONG status) {
    std::string line = "NWLB_";
    line += function;
    for (DWORD dwInput : inputs) {
        line += ' ';
        line += std::to_string(dwInput);
    }
    line += " -> ";
    line += std::to_string(status);
    line += "\r\n";
    return line;
}

void AppendToCallLog(const std::wstring& strPath, const std::string& line) {
    // Opened for each line and shared, so that a reader can follow the log while the calling
    // program runs; append-only access puts every write at the end, also with other writers.
    HANDLE hFile = CreateFileW(strPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return;
    const UniqueFile file(hFile);
    DWORD cbWritten = 0;
    WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &cbWritten, nullptr);
}
