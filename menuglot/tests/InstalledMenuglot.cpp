#include "InstalledMenuglot.h"

#include <regex>
#include <sstream>

#include "ProcessRunner.h"

namespace {
int g_descriptionCount = 0;
}  // namespace

InstalledMenuglot::InstalledMenuglot() : m_root(L"MENUGLOT_TEST_ROOT", m_scratch.Path().wstring()) {
    std::filesystem::create_directory(menuFolder());
    writeBesideProgram(L"DbgLog.ini", "[LOG]\nDestination=3\nLevel=3\nTimeDateFormat=0\nLogFile=" +
                                          (m_scratch / L"log.txt").string() + "\n");
}

InstalledMenuglot::~InstalledMenuglot() {
    std::error_code ignored;
    for (const auto& path : m_besideProgram) std::filesystem::remove(path, ignored);
}

std::wstring InstalledMenuglot::writeDescription(const std::string& content) {
    const std::wstring name =
        L"menuglot-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++g_descriptionCount) + L".ini";
    writeBesideProgram(name, content);
    return name;
}

void InstalledMenuglot::writeBesideProgram(const std::wstring& name, const std::string& content) {
    const auto path = testsupport::InstallFolder() / name;
    testsupport::WriteTextFile(path, content);
    m_besideProgram.push_back(path);
}

DWORD InstalledMenuglot::run(const std::wstring& arguments) const {
    const auto program = testsupport::Quoted((testsupport::InstallFolder() / L"Menuglot.exe").wstring());
    const auto result = testsupport::RunProgram(arguments.empty() ? program : program + L" " + arguments, 20000);
    return result ? result->exitCode : 0xDEAD;
}

std::vector<std::string> InstalledMenuglot::logLines() const {
    std::vector<std::string> lines;
    const auto path = m_scratch / L"log.txt";
    if (!std::filesystem::exists(path)) return lines;
    std::istringstream log(testsupport::ReadTextFile(path));
    const std::regex lineNumber(R"(\(\d+\))");
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::regex_replace(line, lineNumber, "(#)"));
    }
    return lines;
}

std::vector<std::wstring> sectionEntries(const std::filesystem::path& file, const wchar_t* section) {
    std::wstring buffer(65536, L'\0');
    const DWORD count = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                  file.c_str());
    std::vector<std::wstring> entries;
    for (std::size_t start = 0; start < count && buffer[start];) {
        const std::size_t end = buffer.find(L'\0', start);
        entries.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

std::wstring expandedForTest(const std::wstring& text) {
    std::wstring expanded(32767, L'\0');
    const DWORD count = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    expanded.resize(count > 0 ? count - 1 : 0);
    return expanded;
}
