#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DontShowChoice.h"
#include "NodwellSettingsKey.h"
#include "RegistrySnapshot.h"

namespace {

class DontShowChoice : public testing::Test {
protected:
    testsupport::RegistrySnapshot m_settings{NodwellSettingsKey::kPath};
};

}  // namespace

TEST_F(DontShowChoice, CheckedStopsTheAgentFirstThenMarksBothValues) {
    std::vector<std::wstring> order;
    SaveDontShowChoice(true, [&] {
        order.push_back(m_settings.Get(L"DontShowInfo") ? L"stop after write" : L"stop before write");
    });
    EXPECT_EQ(std::vector<std::wstring>{L"stop before write"}, order);
    EXPECT_EQ(std::optional<DWORD>(1), m_settings.Get(L"DontRunSrv"));
    EXPECT_EQ(std::optional<DWORD>(1), m_settings.Get(L"DontShowInfo"));
    EXPECT_TRUE(ReadDontShowChoice());
}

TEST_F(DontShowChoice, UncheckedWritesOnlyDontShowInfoAndLeavesDontRunSrvAlone) {
    for (const DWORD dwHeld : {0u, 1u}) {
        m_settings.SetDword(L"DontRunSrv", dwHeld);
        m_settings.SetDword(L"DontShowInfo", 1);
        bool bStopped = false;
        SaveDontShowChoice(false, [&] { bStopped = true; });
        EXPECT_FALSE(bStopped);
        EXPECT_EQ(std::optional<DWORD>(dwHeld), m_settings.Get(L"DontRunSrv"));
        EXPECT_EQ(std::optional<DWORD>(0), m_settings.Get(L"DontShowInfo"));
        EXPECT_FALSE(ReadDontShowChoice());
    }
}

TEST_F(DontShowChoice, StoredChoiceReadsNonZeroAsCheckedAndAnythingUnreadableAsNot) {
    const struct {
        const char* what;
        std::optional<DWORD> stored;
        bool bChecked;
    } cases[] = {{"missing", std::nullopt, false}, {"0", 0, false}, {"1", 1, true}, {"7", 7, true}};
    for (const auto& c : cases) {
        if (c.stored) {
            m_settings.SetDword(L"DontShowInfo", *c.stored);
        } else {
            m_settings.Delete(L"DontShowInfo");
        }
        EXPECT_EQ(c.bChecked, ReadDontShowChoice()) << c.what;
    }
    m_settings.SetBinary(L"DontShowInfo", {1, 0, 0, 0, 1});
    EXPECT_FALSE(ReadDontShowChoice()) << "longer than 4 bytes";
}
