#include <gtest/gtest.h>

#include <functional>

#include "ModeQuery.h"
#include "ScriptedPwrioDevice.h"
#include "StyleSheetFixture.h"

using namespace pwrio;

namespace {

void ExpectSent(const std::vector<RequestBlock>& expected, const std::vector<RequestBlock>& sent) {
    ASSERT_EQ(expected.size(), sent.size());
    for (size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(expected[i].words, sent[i].words) << "request " << i;
    }
}

struct ConstructionCase {
    const char* name;
    std::function<void(ScriptedPwrioDevice&)> script;
    std::vector<RequestBlock> sent;
    uint32_t status;
    bool interfaceOpen;
    bool charge;
    bool music;
};

}  // namespace

TEST(ModeQuery, ConstructionOpensTheInterfaceAndProbesChargeThenMusic) {
    const auto good = [](ScriptedPwrioDevice& d) { d.ScriptGoodMachine(0x10); };
    const std::vector<RequestBlock> fullProbe = {OpenInterfaceRequest(), ChargePresenceRequest(),
                                                 MusicPresenceRequest()};
    const ConstructionCase cases[] = {
        {"no device: nothing sent, the open's function code is the status",
         [](ScriptedPwrioDevice& d) { d.opens = false; }, {}, 0xF100, false, true, false},
        {"open refused", [](ScriptedPwrioDevice& d) { d.Answer(OpenInterfaceRequest(), 0xFF00); },
         {OpenInterfaceRequest()}, 0xFF00, false, true, false},
        {"open refused by one high bit", [](ScriptedPwrioDevice& d) { d.Answer(OpenInterfaceRequest(), 0x0105); },
         {OpenInterfaceRequest()}, 0x0105, false, true, false},
        {"open call fails: the block still holds the request",
         [](ScriptedPwrioDevice& d) { d.FailCall(OpenInterfaceRequest()); }, {OpenInterfaceRequest()}, 0xF100,
         false, true, false},
        {"open answered in 4 bytes fails with the status the block holds",
         [](ScriptedPwrioDevice& d) { d.AnswerCut(OpenInterfaceRequest(), 4, 0x0042); }, {OpenInterfaceRequest()},
         0x0042, false, true, false},
        {"low status bits do not refuse the open",
         [&](ScriptedPwrioDevice& d) {
             good(d);
             d.Answer(OpenInterfaceRequest(), 0x00FF);
         },
         fullProbe, 0, true, true, true},
        {"both features present", good, fullProbe, 0, true, true, true},
        {"charge answered with another value word is absent, status 0",
         [&](ScriptedPwrioDevice& d) {
             good(d);
             d.Answer(ChargePresenceRequest(), 0, 0x8001);
             d.Answer(MusicPresenceRequest(), 0, 1);
         },
         fullProbe, 0, true, false, false},
        {"charge answered in 8 bytes is absent",
         [&](ScriptedPwrioDevice& d) {
             good(d);
             d.AnswerCut(ChargePresenceRequest(), 8, 0, kChargePresentValue);
         },
         fullProbe, 0, true, false, true},
        {"charge read fails, the music read's status is left",
         [&](ScriptedPwrioDevice& d) {
             good(d);
             d.FailCall(ChargePresenceRequest());
         },
         fullProbe, 0, true, false, true},
        {"music refused leaves its status",
         [&](ScriptedPwrioDevice& d) {
             good(d);
             d.Answer(MusicPresenceRequest(), 0x0200, 0);
         },
         fullProbe, 0x0200, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPwrioDevice device;
        c.script(device);
        {
            ModeQuery query(device, L"dest", L"src\\");
            ExpectSent(c.sent, device.sent);
            EXPECT_EQ(c.status, static_cast<uint32_t>(query.Status()));
            EXPECT_EQ(c.interfaceOpen, query.IsInterfaceOpen());
            EXPECT_EQ(c.charge, query.IsChargeSupported());
            EXPECT_EQ(c.music, query.IsMusicSupported());
        }
        // Only an open interface is closed; an open device always is.
        auto closing = c.sent;
        if (c.interfaceOpen) closing.push_back(CloseInterfaceRequest());
        ExpectSent(closing, device.sent);
        EXPECT_EQ(device.opens ? 1 : 0, device.closeCalls);
    }
}

TEST(ModeQuery, ProbesSendNothingWithoutAnOpenInterface) {
    ScriptedPwrioDevice device;
    device.Answer(OpenInterfaceRequest(), 0xFF00);
    ModeQuery query(device, L"dest", L"");
    EXPECT_FALSE(query.ProbeChargeSupport());
    EXPECT_FALSE(query.ProbeMusicSupport());
    EXPECT_EQ(1u, device.sent.size());
    EXPECT_EQ(0xFF00, query.Status());
}

namespace {

struct TableCase {
    const char* name;
    std::function<void(ScriptedPwrioDevice&)> script;
    std::vector<RequestBlock> tableRequests;  // sent after the probes
    bool result;
    uint32_t status;
    const char* destination;  // the sheet copied, or nullptr for an untouched destination
};

}  // namespace

TEST(ModeQuery, ModeTableSearchFindsTheFirstGoodEntry) {
    const auto machine = [](uint32_t bits) { return [bits](ScriptedPwrioDevice& d) { d.ScriptGoodMachine(bits); }; };
    const auto header = ModeTableHeaderRequest();
    const auto entry = [](uint32_t i) { return ModeTableEntryRequest(i); };
    const TableCase cases[] = {
        {"one good entry", machine(0x20), {header, entry(1)}, true, 0, "Alternate_SM.css"},
        {"empty table succeeds without reading an entry",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ModeTableHeaderRequest(), 0, kModeTableHeaderValue, 0);
         },
         {header}, true, 0, nullptr},
        {"entries 1 and 2 bad, entry 3 good",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x02);
             d.Answer(ModeTableHeaderRequest(), 0, kModeTableHeaderValue, 3);
             d.Answer(ModeTableEntryRequest(1), 0, kModeTableHeaderValue, 0x02);
             d.FailCall(ModeTableEntryRequest(2));
             d.Answer(ModeTableEntryRequest(3), 0, kModeTableEntryValue, 0x40);
         },
         {header, entry(1), entry(2), entry(3)}, true, 0, "Apple2A_SM.css"},
        {"a good entry ends the search",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ModeTableHeaderRequest(), 0, kModeTableHeaderValue, 5);
         },
         {header, entry(1)}, true, 0, "Alternate_SM.css"},
        {"all entries bad: the last one's status",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ModeTableHeaderRequest(), 0, kModeTableHeaderValue, 3);
             d.Answer(ModeTableEntryRequest(1), 0x0100);
             d.Answer(ModeTableEntryRequest(2), 0x0200);
             d.Answer(ModeTableEntryRequest(3), 0x0300);
         },
         {header, entry(1), entry(2), entry(3)}, false, 0x0300, nullptr},
        {"a good entry answered in 20 bytes is not good",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.AnswerCut(ModeTableEntryRequest(1), 20, 0, kModeTableEntryValue, 0x40);
         },
         {header, entry(1)}, false, 0, nullptr},
        {"header refused",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ModeTableHeaderRequest(), 0x0400);
         },
         {header}, false, 0x0400, nullptr},
        {"header with the right value word but a status word is refused",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ModeTableHeaderRequest(), 0x0100, kModeTableHeaderValue, 1);
         },
         {header}, false, 0x0100, nullptr},
        {"an entry with the right value word but a status word is passed over",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x40);
             d.Answer(ModeTableHeaderRequest(), 0, kModeTableHeaderValue, 2);
             d.Answer(ModeTableEntryRequest(1), 0x0100, kModeTableEntryValue, 0x20);
             d.Answer(ModeTableEntryRequest(2), 0, kModeTableEntryValue, 0x40);
         },
         {header, entry(1), entry(2)}, true, 0, "Apple2A_SM.css"},
        {"header with the wrong value word",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ModeTableHeaderRequest(), 0, kModeTableEntryValue, 1);
         },
         {header}, false, 0, nullptr},
        {"header call fails: the request's function code",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.FailCall(ModeTableHeaderRequest());
         },
         {header}, false, 0xF300, nullptr},
        {"no charge feature: no table read, the music read's status",
         [](ScriptedPwrioDevice& d) {
             d.ScriptGoodMachine(0x20);
             d.Answer(ChargePresenceRequest(), 0, 0x8001);
             d.Answer(MusicPresenceRequest(), 0x0700);
         },
         {}, false, 0x0700, nullptr},
        {"modes 0x02 and 0x04 need no sheet", machine(0x07), {header, entry(1)}, true, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StyleSheetFolder folder;
        ScriptedPwrioDevice device;
        c.script(device);
        ModeQuery query(device, folder.Destination(), folder.SourceDir());
        const size_t probes = device.sent.size();
        EXPECT_EQ(c.result, query.SelectAndCopyStyleSheet());
        EXPECT_EQ(c.status, static_cast<uint32_t>(query.Status()));
        ExpectSent(c.tableRequests, {device.sent.begin() + probes, device.sent.end()});
        EXPECT_EQ(c.destination ? c.destination : StyleSheetFolder::kOriginalDestination,
                  folder.DestinationContent());
    }
}

namespace {

int copyAttempts = 0;

// Fails its first attempt as a sheet a reader holds would, then copies.
bool CopyFailingOnce(const std::wstring& source, const std::wstring& destination) {
    if (++copyAttempts == 1) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return false;
    }
    return CopyFileWhole(source, destination);
}

bool CopyNever(const std::wstring&, const std::wstring&) {
    ++copyAttempts;
    SetLastError(ERROR_SHARING_VIOLATION);
    return false;
}

}  // namespace

TEST(ModeQuery, AFailedSheetCopyIsTriedOnceMore) {
    const struct {
        const char* name;
        ModeQuery::FileCopier copier;
        bool result;
        uint32_t status;
        const char* destination;
    } cases[] = {
        {"the second attempt succeeds", CopyFailingOnce, true, 0, "Alternate_SM.css"},
        {"both attempts fail", CopyNever, false, ERROR_SHARING_VIOLATION, StyleSheetFolder::kOriginalDestination},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StyleSheetFolder folder;
        ScriptedPwrioDevice device;
        device.ScriptGoodMachine(0x20);
        copyAttempts = 0;
        ModeQuery query(device, folder.Destination(), folder.SourceDir(), c.copier);
        EXPECT_EQ(c.result, query.SelectAndCopyStyleSheet());
        EXPECT_EQ(c.status, static_cast<uint32_t>(query.Status()));
        EXPECT_EQ(2, copyAttempts);
        EXPECT_EQ(c.destination, folder.DestinationContent());
    }
}

TEST(ModeQuery, TableOfTheLargestCountIsWalkedToItsLastEntryAndEnds) {
    ScriptedPwrioDevice device;
    device.ScriptGoodMachine(0x20);
    device.Answer(ModeTableHeaderRequest(), 0, kModeTableHeaderValue, 0x7FFFFFFF);
    device.AnswerEveryEntry(0x0300);
    ModeQuery query(device, L"dest", L"src\\");
    EXPECT_FALSE(query.SelectAndCopyStyleSheet());
    EXPECT_EQ(0x0300, query.Status());
    EXPECT_EQ(0x7FFFFFFFu, device.entryReads);
    EXPECT_EQ(0x7FFFFFFFu, device.lastEntryRead);
}
