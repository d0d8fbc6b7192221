// The settings program at 144 dots per inch draws every measure at 144 / 96 of its size at 96.
// Wine takes the user's dpi when a process starts, so the test sets it for the programs it
// starts and puts it back; no other test runs meanwhile.
#include <gtest/gtest.h>

#include <optional>

#include "RunningSettings.h"
#include "SettingsTestSupport.h"

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

// The user's dpi for the programs started while it lives; the earlier value back afterwards.
class UserDpi {
public:
    explicit UserDpi(DWORD dwDpi) {
        DWORD dwOld = 0;
        DWORD cbOld = sizeof(dwOld);
        if (::RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &dwOld, &cbOld) ==
            ERROR_SUCCESS) {
            m_old = dwOld;
        }
        Set(dwDpi);
    }
    ~UserDpi() {
        if (m_old) {
            Set(*m_old);
        } else {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
        }
    }
    UserDpi(const UserDpi&) = delete;
    UserDpi& operator=(const UserDpi&) = delete;

private:
    static void Set(DWORD dwDpi) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dwDpi, sizeof(dwDpi));
    }
    std::optional<DWORD> m_old;
};

// The height of the Cancel footer button of the settings program started at that dpi.
int FooterButtonHeight(DWORD dwDpi) {
    const UserDpi dpi(dwDpi);
    const RunningSettings settings(L"/noinfo");
    const HWND hDialog = settings.WaitForDialog();
    if (!hDialog) return 0;
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(hDialog, IDC_CANCEL), &rect);
    return rect.bottom - rect.top;
}

}  // namespace

TEST(SettingsHighDpi, FooterButtonsAreHalfAsHighAgainAt144AsAt96) {
    const SettingsKeyGuard settings;
    const SimulatedMachineKey machine;
    const AcpiBatteryKey acpi{true};
    const int nAt96 = FooterButtonHeight(96);
    const int nAt144 = FooterButtonHeight(144);
    ASSERT_GT(nAt96, 0);
    // The program measures its scale on a control laid out in dialog units, which comes within
    // a few dots per inch of the system's.
    EXPECT_GE(nAt144, nAt96 * 140 / 96);
    EXPECT_LE(nAt144, nAt96 * 148 / 96);
}
