#include <gtest/gtest.h>

#include <functional>

#include "ChargeProbe.h"
#include "ScriptedPwrioDevice.h"

using namespace pwrio;

TEST(ChargeProbe, ExitCodeCountsAnAbsentFeatureAndAFailedClose) {
    struct Case {
        const char* name;
        std::function<void(ScriptedPwrioDevice&)> script;
        int exitCode;
    };
    const Case cases[] = {
        {"present, closed", [](ScriptedPwrioDevice&) {}, 0},
        {"present, close refused", [](ScriptedPwrioDevice& d) { d.Answer(CloseInterfaceRequest(), 0xFF00); }, 1},
        {"present, close call fails", [](ScriptedPwrioDevice& d) { d.FailCall(CloseInterfaceRequest()); }, 1},
        {"absent by its value word", [](ScriptedPwrioDevice& d) { d.Answer(ChargePresenceRequest(), 0, 0x8001); },
         1},
        {"read refused", [](ScriptedPwrioDevice& d) { d.Answer(ChargePresenceRequest(), 0x0100, 0x800C); }, 1},
        {"read with low status bits", [](ScriptedPwrioDevice& d) { d.Answer(ChargePresenceRequest(), 0x0001, 0x800C); },
         1},
        {"read fails, close fails",
         [](ScriptedPwrioDevice& d) {
             d.FailCall(ChargePresenceRequest());
             d.FailCall(CloseInterfaceRequest());
         },
         2},
        {"absent, close refused",
         [](ScriptedPwrioDevice& d) {
             d.Answer(ChargePresenceRequest(), 0, 0);
             d.Answer(CloseInterfaceRequest(), 0x0200);
         },
         2},
        {"close with low status bits is good", [](ScriptedPwrioDevice& d) { d.Answer(CloseInterfaceRequest(), 0x00FF); },
         0},
        // Fewer than 24 bytes back is a failed call, however good the words that came back.
        {"present answered in 8 bytes",
         [](ScriptedPwrioDevice& d) { d.AnswerCut(ChargePresenceRequest(), 8, 0, 0x800C); }, 1},
        {"close answered in 23 bytes", [](ScriptedPwrioDevice& d) { d.AnswerCut(CloseInterfaceRequest(), 23, 0); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPwrioDevice device;
        device.ScriptGoodMachine(0x10);
        c.script(device);
        int reports = 0;
        EXPECT_EQ(c.exitCode, portsense::RunChargeProbe(device, [&] { ++reports; }));
        EXPECT_EQ(0, reports);
        // Open, one read, close: each sent once, whatever the read gave.
        ASSERT_EQ(3u, device.sent.size());
        EXPECT_EQ(OpenInterfaceRequest().words, device.sent[0].words);
        EXPECT_EQ(ChargePresenceRequest().words, device.sent[1].words);
        EXPECT_EQ(CloseInterfaceRequest().words, device.sent[2].words);
        EXPECT_EQ(1, device.closeCalls);
    }
}

TEST(ChargeProbe, RefusedInterfaceIsReportedOnceAndEndsTheProbe) {
    for (bool callFails : {false, true}) {
        ScriptedPwrioDevice device;
        device.ScriptGoodMachine(0x10);
        if (callFails) {
            device.FailCall(OpenInterfaceRequest());
        } else {
            device.Answer(OpenInterfaceRequest(), 0x1000);
        }
        int reports = 0;
        EXPECT_EQ(1, portsense::RunChargeProbe(device, [&] { ++reports; }));
        EXPECT_EQ(1, reports);
        EXPECT_EQ(std::vector<uint32_t>{kOpenInterface}, device.SentFunctions());
        EXPECT_EQ(1, device.closeCalls);
    }
}

TEST(ChargeProbe, NoDeviceIsSilent) {
    ScriptedPwrioDevice device;
    device.opens = false;
    int reports = 0;
    EXPECT_EQ(1, portsense::RunChargeProbe(device, [&] { ++reports; }));
    EXPECT_EQ(0, reports);
    EXPECT_TRUE(device.sent.empty());
}
