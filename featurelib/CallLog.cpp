#include "CallLog.h"

#include "KernelHandle.h"

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
    const KernelHandle file(CreateFileW(strPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return;
    DWORD cbWritten = 0;
    WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &cbWritten, nullptr);
}
