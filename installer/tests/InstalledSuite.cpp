#include "InstalledSuite.h"

#include <objbase.h>
#include <tlhelp32.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

#include "ProcessRunner.h"
#include "RegistryKey.h"
#include "SuiteFolders.h"
#include "Waiting.h"

namespace installertest {
namespace {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T>
using ComPtr = std::unique_ptr<T, ComRelease>;

DWORD AgentProcessId() {
    const HWND frame = FindWindowW(nullptr, L"NodwellSrv");
    DWORD processId = 0;
    if (frame) GetWindowThreadProcessId(frame, &processId);
    return processId;
}

}  // namespace

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

HANDLE StartWithoutHandles(const std::wstring& commandLine) {
    // No standard handles at all: the test's own would reach the agent the setup starts,
    // and the desktop process a first window brings up, and keep CTest's output pipe open
    // long after the test ended. No console either, as for a setup started from the desktop:
    // Wine would lend this test's console to the programs the setup starts.
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                        &process)) {
        throw std::runtime_error("cannot start a setup program, error " + std::to_string(GetLastError()));
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

std::optional<DWORD> WaitForExit(HANDLE process, DWORD timeoutMs) {
    std::optional<DWORD> exitCode;
    if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        exitCode = code;
    } else {
        TerminateProcess(process, 0xDEAD);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
    return exitCode;
}

std::optional<DWORD> RunAndWait(const std::wstring& commandLine, DWORD timeoutMs) {
    return WaitForExit(StartWithoutHandles(commandLine), timeoutMs);
}

std::wstring SetupProgram() { return SETUP_PROGRAM; }
std::wstring PreviousSetupProgram() { return PREVIOUS_SETUP_PROGRAM; }
std::wstring BriefWaitSetupProgram() { return BRIEF_WAIT_SETUP_PROGRAM; }
std::filesystem::path StagedSuite() { return STAGED_SUITE; }

std::set<std::wstring> FilesUnder(const std::filesystem::path& folder) {
    std::set<std::wstring> files;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file()) {
            files.insert(Lower(entry->path().lexically_relative(folder).make_preferred().wstring()));
        }
    }
    return files;
}

std::map<std::wstring, std::string> FileContents(const std::filesystem::path& folder) {
    std::map<std::wstring, std::string> contents;
    for (const auto& file : FilesUnder(folder)) contents[file] = testsupport::ReadTextFile(folder / file);
    return contents;
}

namespace {
const std::map<std::wstring, std::string> kFilesOfOthers = {
    {L"notes.txt", "Put here by the administrator.\r\n"},
    {L"css\\notes.txt", "Beside the suite's style sheets.\r\n"},
    {L"extra\\tools\\notes.txt", "In a folder of its own.\r\n"}};
}  // namespace

std::map<std::wstring, std::string> PlaceFilesOfOthers(const std::filesystem::path& folder) {
    for (const auto& [file, bytes] : kFilesOfOthers) {
        std::filesystem::create_directories((folder / file).parent_path());
        testsupport::WriteTextFile(folder / file, bytes);
    }
    return kFilesOfOthers;
}

std::map<std::wstring, std::string> FilesOfOthersIn(const std::filesystem::path& folder) {
    auto found = FileContents(folder);
    for (auto file = found.begin(); file != found.end();) {
        file = kFilesOfOthers.count(file->first) ? std::next(file) : found.erase(file);
    }
    return found;
}

std::set<std::wstring> ExpectedFiles(bool withStyleSheet) {
    auto files = FilesUnder(StagedSuite());
    files.insert(L"uninstall.exe");
    if (withStyleSheet) files.insert(L"auto.css");
    return files;
}

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* key, const wchar_t* name, REGSAM view) {
    RegistryKey open;
    if (open.Open(root, key, KEY_READ | view) != ERROR_SUCCESS) return std::nullopt;
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(open.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    return std::wstring(buffer);
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* key, const wchar_t* name) {
    RegistryKey open;
    if (open.Open(root, key, KEY_READ | kSetupView) != ERROR_SUCCESS) return std::nullopt;
    return open.ReadDword(name);
}

bool KeyExists(HKEY root, const wchar_t* key) {
    RegistryKey open;
    return open.Open(root, key, KEY_READ | kSetupView) == ERROR_SUCCESS;
}

std::set<std::wstring> TempFolders(const wchar_t* prefix) {
    std::set<std::wstring> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(std::filesystem::temp_directory_path(), error), end;
         !error && entry != end; entry.increment(error)) {
        const auto name = entry->path().filename().wstring();
        if (entry->is_directory() && name.rfind(prefix, 0) == 0) folders.insert(entry->path().wstring());
    }
    return folders;
}

std::filesystem::path StartMenuFolder() {
    wchar_t programs[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return std::filesystem::path(programs) / L"Corvane Vezuv Uvodoza";
}

std::wstring ShortcutTarget(const std::filesystem::path& link) {
    const bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    std::wstring target;
    {
        IShellLinkW* rawLink = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&rawLink)))) {
            ComPtr<IShellLinkW> shellLink(rawLink);
            IPersistFile* rawFile = nullptr;
            if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) {
                ComPtr<IPersistFile> file(rawFile);
                wchar_t path[MAX_PATH] = {};
                if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
                    SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0))) {
                    target = path;
                }
            }
        }
    }
    if (initialised) CoUninitialize();
    return target;
}

bool AgentRunning() {
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Local\\NodwellSrv");
    if (!mutex) return false;
    CloseHandle(mutex);
    return true;
}

void EndAgent() {
    const DWORD processId = AgentProcessId();
    if (processId == 0) return;
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

bool ProcessRunning(const std::wstring& fileName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) throw std::runtime_error("no process list");
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        found = Lower(entry.szExeFile) == Lower(fileName);
    }
    CloseHandle(snapshot);
    return found;
}

std::wstring SetupLog() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::ifstream file(std::filesystem::path(temp) / L"CorvaneVezuvUvodozaSetup.log", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return text;
}

std::optional<DWORD> UninstallInPlace(const std::filesystem::path& folder) {
    return RunAndWait(testsupport::Quoted((folder / L"Uninstall.exe").wstring()) + L" /S _?=" + folder.wstring());
}

InstallationCleanup::~InstallationCleanup() {
    if (const auto location = ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation")) {
        const std::filesystem::path folder(*location);
        std::error_code ignored;
        // Nothing may throw here: a test that failed half-way may have left no uninstaller.
        if (std::filesystem::exists(folder / L"Uninstall.exe", ignored)) UninstallInPlace(folder);
        // Run in place, the uninstaller cannot take itself away.
        std::filesystem::remove(folder / L"Uninstall.exe", ignored);
        std::filesystem::remove(folder, ignored);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, kSetupView, 0);
    }
    // A swap a failed test left cut short, which the next test's setup would otherwise recover.
    std::error_code ignored;
    std::filesystem::remove_all(testsupport::InstallFolder().wstring() + L".setup", ignored);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kJournalKey, kSetupView, 0);
    if (AgentRunning()) EndAgent();
}

}  // namespace installertest
