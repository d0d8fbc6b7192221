// The installed Portsense.exe against the simulated hardware-access driver.
#include <gtest/gtest.h>

#include <optional>

#include "ProcessRunner.h"
#include "SimulatedPwrio.h"
#include "SuiteFolders.h"
#include "Waiting.h"

namespace {

BOOL CALLBACK CountVisibleButton(HWND child, LPARAM count) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(child)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int VisibleButtons(HWND box) {
    int count = 0;
    EnumChildWindows(box, CountVisibleButton, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring Portsense() { return testsupport::Quoted((testsupport::InstallFolder() / L"Portsense.exe").wstring()); }

// The exit code of a started probe, which it owned, once it has ended; nothing when it did
// not end within 10 s and was ended.
std::optional<DWORD> ExitCodeOf(HANDLE process) {
    const bool ended = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process, 0xDEAD);
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    CloseHandle(process);
    return ended ? std::optional<DWORD>(exitCode) : std::nullopt;
}

// A window station with a desktop that no user sees, as a service's in session 0 is.
class UnseenWindowStation {
public:
    UnseenWindowStation() : m_hStation(CreateWindowStationW(kName, 0, WINSTA_ALL_ACCESS, nullptr)) {
        const HWINSTA hOwn = GetProcessWindowStation();
        if (m_hStation && SetProcessWindowStation(m_hStation)) {
            m_hDesktop = CreateDesktopW(L"Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
            SetProcessWindowStation(hOwn);
        }
    }
    ~UnseenWindowStation() {
        if (m_hDesktop) CloseDesktop(m_hDesktop);
        if (m_hStation) CloseWindowStation(m_hStation);
    }
    UnseenWindowStation(const UnseenWindowStation&) = delete;
    UnseenWindowStation& operator=(const UnseenWindowStation&) = delete;

    bool Ready() const { return m_hDesktop != nullptr; }
    // Starts a program on the station's desktop.
    HANDLE Start(std::wstring commandLine) const {
        std::wstring desktop = std::wstring(kName) + L"\\Default";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.lpDesktop = desktop.data();
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            return nullptr;
        }
        CloseHandle(process.hThread);
        return process.hProcess;
    }

private:
    static constexpr wchar_t kName[] = L"NodwellUnseenStation";
    HWINSTA m_hStation;
    HDESK m_hDesktop = nullptr;
};

}  // namespace

TEST(PortsenseDriver, ExitCodeAnswersForTheFeatureAndTheClose) {
    struct Case {
        const char* name;
        std::vector<std::pair<const wchar_t*, DWORD>> machine;
        DWORD exitCode;
    };
    const Case cases[] = {
        {"charge feature present", {}, 0},
        {"charge feature absent", {{L"ChargePresent", 0}}, 1},
        {"present, close refused", {{L"CloseStatus", 0xFF00}}, 1},
        {"absent, close refused", {{L"ChargePresent", 0}, {L"CloseStatus", 0x0100}}, 2},
        {"read refused", {{L"ReadStatus", 0x0200}}, 1},
        {"read request fails, close refused", {{L"FailFunction", 0xF300}, {L"CloseStatus", 0xFF00}}, 2},
        {"close request fails", {{L"FailFunction", 0xF200}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::SimulatedPwrio driver;
        for (const auto& [name, value] : c.machine) driver.Set(name, value);
        const auto result = testsupport::RunProgram(Portsense(), 20000);
        ASSERT_TRUE(result.has_value()) << "the probe did not end";
        EXPECT_EQ(c.exitCode, result->exitCode);
        EXPECT_EQ("", result->output);
    }
}

TEST(PortsenseDriver, RefusedInterfaceShowsTheMessageAndEndsWithOneWhenItIsClosed) {
    testsupport::SimulatedPwrio driver;
    driver.Set(L"OpenStatus", 0xFF00);
    const HANDLE process = testsupport::StartProgram(Portsense());

    HWND box = nullptr;
    EXPECT_TRUE(testsupport::WaitUntil(
        [&] { return (box = testsupport::FindProcessWindow(GetProcessId(process), L"#32770")) != nullptr; }));
    if (box) {
        wchar_t text[32] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 32);
        EXPECT_STREQ(L"abcd", text);
        wchar_t caption[32] = {};
        GetWindowTextW(box, caption, 32);
        EXPECT_STREQ(L"Error", caption) << "the system's default caption";
        EXPECT_NE(nullptr, GetDlgItem(box, IDOK));
        EXPECT_EQ(1, VisibleButtons(box)) << "OK alone";
        EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(process, 0)) << "the probe must wait for the user";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    EXPECT_EQ(std::optional<DWORD>(1), ExitCodeOf(process));
}

TEST(PortsenseDriver, RefusedInterfaceWhereNobodySeesTheScreenIsAnsweredByTheExitCodeAtOnce) {
    testsupport::SimulatedPwrio driver;
    driver.Set(L"OpenStatus", 0xFF00);
    const UnseenWindowStation station;
    ASSERT_TRUE(station.Ready());
    const HANDLE process = station.Start(Portsense());
    ASSERT_NE(nullptr, process);
    // A box there would wait for a click nobody can give.
    EXPECT_EQ(std::optional<DWORD>(1), ExitCodeOf(process));
}
