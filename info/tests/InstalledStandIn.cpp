#include "InstalledStandIn.h"

#include <windows.h>

#include "SuiteFolders.h"

namespace {

std::filesystem::path OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

}  // namespace

InstalledStandIn::InstalledStandIn(const std::wstring& strProgram)
    : m_path(testsupport::InstallFolder() / strProgram), m_held(m_path.wstring() + L".held-by-info-tests") {
    if (std::filesystem::exists(m_path)) std::filesystem::rename(m_path, m_held);
    std::filesystem::copy_file(OwnFolder() / L"CommandRecorder.exe", m_path);
}

InstalledStandIn::~InstalledStandIn() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
    if (std::filesystem::exists(m_held)) std::filesystem::rename(m_held, m_path, ignored);
}

std::string InstalledStandIn::ExpectedLine(const std::string& arguments) const {
    const std::wstring path = m_path.wstring();
    std::string line(1, '"');
    line.append(path.begin(), path.end());
    return line.append("\" ").append(arguments);
}

std::vector<std::string> RecordedLines(const std::filesystem::path& log) {
    std::vector<std::string> lines;
    if (!std::filesystem::exists(log)) return lines;
    const std::string text = testsupport::ReadTextFile(log);
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}
