// What the simulated firmware answers, with its defaults and with settings changed while
// the driver runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PwrioTestDevice.h"
#include "SimulatedPwrio.h"

using namespace pwriotest;

namespace {

struct Setting {
    const wchar_t* name;
    DWORD value;
};

struct AnswerCase {
    const char* what;
    std::vector<Setting> settings;
    Block request;
    Block answer;
};

class PwrioAnswers : public ::testing::Test {
protected:
    void Expect(const AnswerCase& c) {
        SCOPED_TRACE(c.what);
        for (const auto& s : c.settings) m_driver.Set(s.name, s.value);
        Block block = c.request;
        const Outcome outcome = m_device.Exchange(block);
        for (const auto& s : c.settings) m_driver.Clear(s.name);
        ASSERT_TRUE(outcome.succeeded) << "error " << outcome.error;
        EXPECT_EQ(sizeof(Block), outcome.bytesReturned);
        EXPECT_EQ(c.answer, block);
    }

    testsupport::SimulatedPwrio m_driver;
    TestDevice m_device;
};

TEST_F(PwrioAnswers, DefaultsDescribeAMachineWithBothFeaturesAndOneChargeMode) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    const AnswerCase cases[] = {
        {"open succeeds", {}, Request(kOpen), {0}},
        {"close succeeds", {}, Request(kClose), {0}},
        {"charge feature present", {}, Request(kRead, kCharge), {0, 0x800C}},
        {"music feature present", {}, Request(kRead, kMusic), {0, 0}},
        {"table header counts one entry", {}, Request(kRead, kCharge, kTableHeader), {0, 0x8001, 1}},
        {"entry 1 offers mode 0x10", {}, Request(kRead, kCharge, kTableHeader + 1), {0, 0x800C, 0x10}},
        {"entry 2 absent", {}, Request(kRead, kCharge, kTableHeader + 2), {0, 0x8001}},
    };
    for (const auto& c : cases) Expect(c);
}

TEST_F(PwrioAnswers, SettingsChangeTheAnswers) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    const AnswerCase cases[] = {
        {"open refused", {{L"OpenStatus", 0x0100}}, Request(kOpen), {0x0100}},
        {"close refused", {{L"CloseStatus", 0xFF01}}, Request(kClose), {0xFF01}},
        {"charge feature absent", {{L"ChargePresent", 0}}, Request(kRead, kCharge), {0, 0x8001}},
        {"music feature absent", {{L"MusicPresent", 0}}, Request(kRead, kMusic), {0, 1}},
        {"read status fails the charge read", {{L"ReadStatus", 5}}, Request(kRead, kCharge), {5}},
        {"read status fails the music read", {{L"ReadStatus", 5}}, Request(kRead, kMusic), {5}},
        {"read status fails the table header", {{L"ReadStatus", 5}}, Request(kRead, kCharge, kTableHeader), {5}},
        {"read status fails a table entry", {{L"ReadStatus", 5}}, Request(kRead, kCharge, kTableHeader + 1), {5}},
        {"read status leaves the open alone", {{L"ReadStatus", 5}}, Request(kOpen), {0}},
        {"unknown register refused despite read status", {{L"ReadStatus", 5}},
         Request(kRead, 0x0151), {kRefused}},
        {"table of three", {{L"TableCount", 3}}, Request(kRead, kCharge, kTableHeader), {0, 0x8001, 3}},
        {"empty table", {{L"TableCount", 0}}, Request(kRead, kCharge, kTableHeader), {0, 0x8001, 0}},
        {"entry 1 bits", {{L"Entry1", 0x40}}, Request(kRead, kCharge, kTableHeader + 1), {0, 0x800C, 0x40}},
        {"entry 3 within the count", {{L"TableCount", 3}, {L"Entry3", 0x22}},
         Request(kRead, kCharge, kTableHeader + 3), {0, 0x800C, 0x22}},
        {"entry 2 missing within the count", {{L"TableCount", 3}, {L"Entry3", 0x22}},
         Request(kRead, kCharge, kTableHeader + 2), {0, 0x8001}},
        {"entry 9 is the last one that can exist", {{L"TableCount", 9}, {L"Entry9", 0x24}},
         Request(kRead, kCharge, kTableHeader + 9), {0, 0x800C, 0x24}},
        {"entry 1 absent from an empty table", {{L"TableCount", 0}},
         Request(kRead, kCharge, kTableHeader + 1), {0, 0x8001}},
        {"entry beyond the count absent", {{L"TableCount", 4}, {L"Entry5", 0x20}},
         Request(kRead, kCharge, kTableHeader + 5), {0, 0x8001}},
        {"no tenth entry", {{L"TableCount", 12}}, Request(kRead, kCharge, kTableHeader + 10), {0, 0x8001}},
        {"huge entry number", {{L"TableCount", 0xFFFFFFFF}}, Request(kRead, kCharge, 0xFFFFFFFF), {0, 0x8001}},
    };
    for (const auto& c : cases) Expect(c);
}

TEST_F(PwrioAnswers, FirmwareIsReadAtEveryRequestOnOneHandle) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    const Block charge = Request(kRead, kCharge);
    const Block entry1 = Request(kRead, kCharge, kTableHeader + 1);
    const struct {
        const char* what;
        void (*change)(testsupport::SimulatedPwrio&);
        Block request;
        Block answer;
    } steps[] = {
        {"default", [](auto&) {}, charge, {0, 0x800C}},
        {"feature removed", [](auto& d) { d.Set(L"ChargePresent", 0); }, charge, {0, 0x8001}},
        {"value cleared", [](auto& d) { d.Clear(L"ChargePresent"); }, charge, {0, 0x800C}},
        {"entry changed", [](auto& d) { d.Set(L"Entry1", 0x04); }, entry1, {0, 0x800C, 0x04}},
        {"entry cleared", [](auto& d) { d.Clear(L"Entry1"); }, entry1, {0, 0x800C, 0x10}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change(m_driver);
        Block block = step.request;
        ASSERT_TRUE(m_device.Exchange(block).succeeded);
        EXPECT_EQ(step.answer, block);
    }
}

TEST_F(PwrioAnswers, ValuesThatAreNotDwordsLeaveTheDefaults) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    constexpr wchar_t kParameters[] = L"System\\CurrentControlSet\\Services\\pwrio\\Parameters";
    const unsigned char longValue[64] = {0};
    const uint64_t quad = 7;
    const wchar_t text[] = L"3";
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_LOCAL_MACHINE, kParameters, L"ChargePresent", REG_BINARY,
                                             longValue, sizeof(longValue)));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_LOCAL_MACHINE, kParameters, L"OpenStatus", REG_QWORD,
                                             &quad, sizeof(quad)));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_LOCAL_MACHINE, kParameters, L"TableCount", REG_SZ, text, sizeof(text)));
    Expect({"over-long binary", {}, Request(kRead, kCharge), {0, 0x800C}});
    Expect({"quad word", {}, Request(kOpen), {0}});
    Expect({"text", {}, Request(kRead, kCharge, kTableHeader), {0, 0x8001, 1}});
}

TEST_F(PwrioAnswers, UnknownFunctionsRegistersAndSelectorsAreRefused) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    const struct {
        const char* what;
        Block request;
    } cases[] = {
        {"function 0", Request(0)},
        {"function 0xF400", Request(0xF400)},
        {"function code in the wrong byte", Request(0xF10000)},
        {"read of register 0", Request(kRead, 0)},
        {"read of register 0x0151", Request(kRead, 0x0151)},
        {"read of a register with high bits", Request(kRead, 0x10150)},
        {"music register with a table selector", Request(kRead, kMusic, kTableHeader)},
        {"music register with an entry selector", Request(kRead, kMusic, kTableHeader + 1)},
        {"charge register with selector 1", Request(kRead, kCharge, 1)},
        {"charge register with selector 0xFF", Request(kRead, kCharge, 0xFF)},
    };
    for (const auto& c : cases) Expect({c.what, {}, c.request, {kRefused}});
}

}  // namespace
