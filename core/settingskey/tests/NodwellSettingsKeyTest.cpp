#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "NodwellSettingsKey.h"

namespace {

constexpr wchar_t kName[] = L"NodwellSettingsKeyTest";

// One value of this test under the settings key, removed afterwards with the key when the test
// made it.
class ScratchValue {
public:
    ScratchValue() {
        DWORD disposition = 0;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &m_hKey, &disposition));
        m_bCreatedKey = disposition == REG_CREATED_NEW_KEY;
    }
    ~ScratchValue() {
        RegDeleteValueW(m_hKey, kName);
        RegCloseKey(m_hKey);
        if (m_bCreatedKey) RegDeleteKeyW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath);
    }
    ScratchValue(const ScratchValue&) = delete;
    ScratchValue& operator=(const ScratchValue&) = delete;

    void Set(DWORD dwType, const std::vector<BYTE>& data) const {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(m_hKey, kName, 0, dwType, data.data(), static_cast<DWORD>(data.size())));
    }

private:
    HKEY m_hKey = nullptr;
    bool m_bCreatedKey = false;
};

std::vector<BYTE> Utf16(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

}  // namespace

TEST(NodwellSettingsKey, OnlyAFourByteDwordIsAValueAnythingElseIsMissing) {
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
        std::optional<DWORD> read;
    } cases[] = {
        {"4-byte REG_DWORD", REG_DWORD, {1, 0, 0, 0}, 1},
        {"4-byte REG_DWORD 0", REG_DWORD, {0, 0, 0, 0}, 0},
        {"string \"1\"", REG_SZ, Utf16(L"1"), std::nullopt},
        {"string \"0\"", REG_SZ, Utf16(L"0"), std::nullopt},
        {"2-byte binary", REG_BINARY, {1, 0}, std::nullopt},
        {"2-byte REG_DWORD", REG_DWORD, {1, 0}, std::nullopt},
        {"4-byte binary", REG_BINARY, {1, 0, 0, 0}, std::nullopt},
        {"8-byte REG_QWORD", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
        {"8-byte REG_DWORD", REG_DWORD, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
    };
    const ScratchValue value;
    EXPECT_EQ(std::nullopt, NodwellSettingsKey::Read(kName)) << "missing";
    for (const auto& c : cases) {
        value.Set(c.type, c.data);
        EXPECT_EQ(c.read, NodwellSettingsKey::Read(kName)) << c.name;
    }
}
