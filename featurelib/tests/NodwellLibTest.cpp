// The simulated library called for real, through its import library, on the test prefix's
// registry.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "NodwellLib.h"
#include "SimulatedMachineKey.h"
#include "SuiteFolders.h"

namespace {

using Dwords = std::map<std::wstring, DWORD>;

constexpr BYTE kUntouchedFlag = 0xEE;
constexpr DWORD kUntouchedValue = 0xEEEEEEEE;

// The out-values of one call, preset as a caller presets its fallbacks.
struct Outputs {
    BYTE bFlag = kUntouchedFlag;
    DWORD dwValue = kUntouchedValue;
    bool operator==(const Outputs&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outputs& outputs) {
    return out << "{flag " << int{outputs.bFlag} << ", value " << outputs.dwValue << "}";
}

Outputs Flag(BYTE bFlag) { return {bFlag, kUntouchedValue}; }
Outputs Value(DWORD dwValue) { return {kUntouchedFlag, dwValue}; }
Outputs Battery(BYTE bEnabled, DWORD dwLimit) { return {bEnabled, dwLimit}; }

struct LibraryCall {
    const char* szName;  // without its prefix, as in "Fail_<name>"
    LONG (*invoke)(Outputs&);
};

const LibraryCall kCalls[] = {
    {"InitializeDll", [](Outputs&) { return NWLB_InitializeDll(nullptr); }},
    {"FinalizeDll", [](Outputs&) { return NWLB_FinalizeDll(); }},
    {"GetAllowDeviceLock", [](Outputs& out) { return NWLB_GetAllowDeviceLock(&out.bFlag); }},
    {"GetCapableModes", [](Outputs& out) { return NWLB_GetCapableModes(&out.dwValue); }},
    {"GetCurrentMode", [](Outputs& out) { return NWLB_GetCurrentMode(&out.dwValue); }},
    {"SetCurrentMode", [](Outputs&) { return NWLB_SetCurrentMode(4); }},
    {"GetCurrentBattery", [](Outputs& out) { return NWLB_GetCurrentBattery(&out.bFlag, &out.dwValue); }},
    {"SetCurrentBattery", [](Outputs&) { return NWLB_SetCurrentBattery(1, 20); }},
    {"GetDefaultBattery", [](Outputs& out) { return NWLB_GetDefaultBattery(&out.bFlag, &out.dwValue); }},
    {"IsSupportMusic", [](Outputs& out) { return NWLB_IsSupportMusic(&out.bFlag); }},
    {"GetCurrentMusicMode", [](Outputs& out) { return NWLB_GetCurrentMusicMode(&out.bFlag); }},
    {"SetCurrentMusicMode", [](Outputs&) { return NWLB_SetCurrentMusicMode(1); }},
    {"Commit", [](Outputs&) { return NWLB_Commit(); }},
};

const LibraryCall& CallNamed(std::string_view name) {
    for (const LibraryCall& call : kCalls) {
        if (name == call.szName) return call;
    }
    throw std::invalid_argument(std::string(name));
}

bool IsInitialize(const LibraryCall& call) { return std::string_view(call.szName) == "InitializeDll"; }

// The out-values of a call that must succeed.
Outputs Read(std::string_view name) {
    Outputs outputs;
    EXPECT_EQ(0, CallNamed(name).invoke(outputs)) << name;
    return outputs;
}

std::wstring Widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

struct HandleCloser {
    void operator()(HANDLE hFile) const { CloseHandle(hFile); }
};

class NodwellLibTest : public ::testing::Test {
protected:
    void TearDown() override {
        // With the machine's values gone no failure is injected and nothing is logged.
        m_machine.Clear();
        NWLB_FinalizeDll();
    }

    SimulatedMachineKey m_machine;
};

TEST_F(NodwellLibTest, ExportsEveryFunctionUnderItsPlainName) {
    const HMODULE hLibrary = GetModuleHandleW(L"NodwellLib.dll");
    ASSERT_NE(nullptr, hLibrary);
    for (const LibraryCall& call : kCalls) {
        EXPECT_NE(nullptr, GetProcAddress(hLibrary, ("NWLB_" + std::string(call.szName)).c_str())) << call.szName;
    }
}

TEST_F(NodwellLibTest, GetsReportTheMachineAsItIsAtEachCallWithDefaultsForMissingValues) {
    struct Reading {
        const char* szCall;
        Outputs whileMissing;
        Dwords written;
        Outputs thenSeen;
    };
    const Reading readings[] = {
        {"GetAllowDeviceLock", Flag(1), {{L"AllowDeviceLock", 0}}, Flag(0)},
        {"GetCapableModes", Value(0x18), {{L"CapableModes", 0x58}}, Value(0x58)},
        {"GetCurrentMode", Value(0), {{L"CurrentMode", 6}}, Value(6)},
        {"GetCurrentBattery", Battery(0, 10), {{L"BatteryEnabled", 1}, {L"BatteryLimit", 35}}, Battery(1, 35)},
        {"GetDefaultBattery", Battery(0, 10), {{L"DefaultBatteryEnabled", 1}, {L"DefaultBatteryLimit", 20}},
         Battery(1, 20)},
        {"IsSupportMusic", Flag(1), {{L"SupportMusic", 0}}, Flag(0)},
        // A flag is a 32-bit value in the registry: set bits above the low byte still mean on.
        {"GetCurrentMusicMode", Flag(0), {{L"MusicMode", 0x100}}, Flag(1)},
    };
    ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
    for (const Reading& reading : readings) {
        SCOPED_TRACE(reading.szCall);
        EXPECT_EQ(reading.whileMissing, Read(reading.szCall));
        for (const auto& [name, value] : reading.written) m_machine.SetDword(name, value);
        EXPECT_EQ(reading.thenSeen, Read(reading.szCall));
    }
}

TEST_F(NodwellLibTest, EveryCallButInitializeFailsWithStatusOneUntilInitialized) {
    for (const LibraryCall& call : kCalls) {
        if (IsInitialize(call)) continue;
        Outputs outputs;
        EXPECT_EQ(1, call.invoke(outputs)) << call.szName;
        EXPECT_EQ(Outputs{}, outputs) << call.szName;
    }
    ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
    EXPECT_EQ(0, NWLB_Commit());
    EXPECT_EQ(Dwords{}, m_machine.Dwords()) << "a refused set was held";
}

TEST_F(NodwellLibTest, InitializingAgainSucceedsAndOneFinalizeEndsIt) {
    EXPECT_EQ(0, NWLB_InitializeDll(nullptr));
    EXPECT_EQ(0, NWLB_InitializeDll(nullptr));
    EXPECT_EQ(0, NWLB_FinalizeDll());
    EXPECT_EQ(1, NWLB_Commit());
    EXPECT_EQ(1, NWLB_FinalizeDll());
}

TEST_F(NodwellLibTest, SetsAreHeldUntilCommitWritesThem) {
    ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
    ASSERT_EQ(0, NWLB_SetCurrentMode(4));
    ASSERT_EQ(0, NWLB_SetCurrentBattery(1, 20));
    ASSERT_EQ(0, NWLB_SetCurrentMusicMode(1));

    EXPECT_EQ(Value(0), Read("GetCurrentMode"));
    EXPECT_EQ(Battery(0, 10), Read("GetCurrentBattery"));
    EXPECT_EQ(Flag(0), Read("GetCurrentMusicMode"));
    EXPECT_EQ(Dwords{}, m_machine.Dwords());

    ASSERT_EQ(0, NWLB_Commit());
    EXPECT_EQ((Dwords{{L"CurrentMode", 4}, {L"BatteryEnabled", 1}, {L"BatteryLimit", 20}, {L"MusicMode", 1}}),
              m_machine.Dwords());
}

TEST_F(NodwellLibTest, CommitWritesOnlyWhatWasSetSinceTheLastCommitOrInitialization) {
    ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
    EXPECT_EQ(0, NWLB_Commit()) << "nothing held is nothing to write";
    EXPECT_EQ(Dwords{}, m_machine.Dwords());

    ASSERT_EQ(0, NWLB_SetCurrentMode(4));
    ASSERT_EQ(0, NWLB_Commit());
    m_machine.SetDword(L"CurrentMode", 3);
    EXPECT_EQ(0, NWLB_Commit());
    EXPECT_EQ((Dwords{{L"CurrentMode", 3}}), m_machine.Dwords()) << "a committed set was written again";

    ASSERT_EQ(0, NWLB_SetCurrentMode(5));
    ASSERT_EQ(0, NWLB_FinalizeDll());
    ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
    EXPECT_EQ(0, NWLB_Commit());
    EXPECT_EQ((Dwords{{L"CurrentMode", 3}}), m_machine.Dwords()) << "a set outlived the finalize";

    ASSERT_EQ(0, NWLB_SetCurrentMode(6));
    ASSERT_EQ(0, NWLB_SetCurrentBattery(1, 20));
    m_machine.SetDword(L"CommitPartly", 77);
    EXPECT_EQ(77, NWLB_Commit());
    EXPECT_EQ((Dwords{{L"CurrentMode", 6}, {L"CommitPartly", 77}}), m_machine.Dwords()) << "commit in part";
    m_machine.Delete(L"CommitPartly");
    EXPECT_EQ(0, NWLB_Commit());
    EXPECT_EQ((Dwords{{L"CurrentMode", 6}, {L"BatteryEnabled", 1}, {L"BatteryLimit", 20}}), m_machine.Dwords());
}

TEST_F(NodwellLibTest, InjectedFailureIsTheStatusAndChangesNothing) {
    DWORD dwInjected = 100;
    for (const LibraryCall& call : kCalls) {
        SCOPED_TRACE(call.szName);
        const bool bInitialize = IsInitialize(call);
        // Each case starts from a default machine and a library not initialised.
        m_machine.Clear();
        NWLB_FinalizeDll();
        if (!bInitialize) {
            // Initialised, with a set held across the failing call.
            ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
            ASSERT_EQ(0, NWLB_SetCurrentMode(3));
        }
        const std::wstring failure = L"Fail_" + Widen(call.szName);
        m_machine.SetDword(failure, ++dwInjected);

        Outputs outputs;
        EXPECT_EQ(static_cast<LONG>(dwInjected), call.invoke(outputs));
        EXPECT_EQ(Outputs{}, outputs);
        EXPECT_EQ((Dwords{{failure, dwInjected}}), m_machine.Dwords());

        m_machine.Delete(failure);
        if (bInitialize) {
            EXPECT_EQ(1, NWLB_Commit()) << "initialised after all";
        } else {
            // Still initialised, the held set still held, the failed set not held.
            EXPECT_EQ(0, NWLB_Commit());
            EXPECT_EQ((Dwords{{L"CurrentMode", 3}}), m_machine.Dwords());
        }
    }
}

TEST_F(NodwellLibTest, GetsRefuseAMissingOutPointerAndWriteNeitherValue) {
    ASSERT_EQ(0, NWLB_InitializeDll(nullptr));
    Outputs outputs;
    const std::pair<const char*, LONG> results[] = {
        {"GetAllowDeviceLock", NWLB_GetAllowDeviceLock(nullptr)},
        {"GetCapableModes", NWLB_GetCapableModes(nullptr)},
        {"GetCurrentMode", NWLB_GetCurrentMode(nullptr)},
        {"GetCurrentBattery enabled", NWLB_GetCurrentBattery(nullptr, &outputs.dwValue)},
        {"GetCurrentBattery limit", NWLB_GetCurrentBattery(&outputs.bFlag, nullptr)},
        {"GetDefaultBattery enabled", NWLB_GetDefaultBattery(nullptr, &outputs.dwValue)},
        {"GetDefaultBattery limit", NWLB_GetDefaultBattery(&outputs.bFlag, nullptr)},
        {"IsSupportMusic", NWLB_IsSupportMusic(nullptr)},
        {"GetCurrentMusicMode", NWLB_GetCurrentMusicMode(nullptr)},
    };
    for (const auto& [name, status] : results) EXPECT_EQ(ERROR_INVALID_PARAMETER, status) << name;
    EXPECT_EQ(Outputs{}, outputs);
}

TEST_F(NodwellLibTest, CallLogGetsOneLinePerCallWithItsInputsAndStatus) {
    testsupport::ScratchFolder folder;
    const auto log = folder / L"calls.log";
    testsupport::WriteTextFile(log, "earlier run\r\n");
    m_machine.SetString(L"CallLog", log.wstring());
    // A reader keeps the log open meanwhile, as a test following another program does.
    const std::unique_ptr<void, HandleCloser> reader(CreateFileW(
        log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, reader.get());

    Outputs outputs;
    NWLB_GetCapableModes(&outputs.dwValue);
    NWLB_InitializeDll(reinterpret_cast<HWND>(0x1234));
    NWLB_GetCurrentBattery(&outputs.bFlag, &outputs.dwValue);
    NWLB_SetCurrentMode(4);
    NWLB_SetCurrentBattery(1, 20);
    NWLB_SetCurrentMusicMode(0);
    m_machine.SetDword(L"Fail_Commit", 1234);
    NWLB_Commit();
    m_machine.Delete(L"Fail_Commit");
    NWLB_Commit();
    NWLB_FinalizeDll();

    EXPECT_EQ("earlier run\r\n"
              "NWLB_GetCapableModes -> 1\r\n"
              "NWLB_InitializeDll -> 0\r\n"
              "NWLB_GetCurrentBattery -> 0\r\n"
              "NWLB_SetCurrentMode 4 -> 0\r\n"
              "NWLB_SetCurrentBattery 1 20 -> 0\r\n"
              "NWLB_SetCurrentMusicMode 0 -> 0\r\n"
              "NWLB_Commit -> 1234\r\n"
              "NWLB_Commit -> 0\r\n"
              "NWLB_FinalizeDll -> 0\r\n",
              testsupport::ReadTextFile(log));
    m_machine.Delete(L"CallLog");
}

}  // namespace
