#pragma once
// The request block of the hardware-access device "\\.\PWRIO": one control code, one 24-byte
// block that carries the request in and the answer out. Shared with the charge-support probe.
#include <windows.h>
#include <winioctl.h>

#include <array>
#include <cstdint>

namespace pwrio {

inline constexpr wchar_t kDevicePath[] = L"\\\\.\\PWRIO";
inline constexpr DWORD kControlCode = CTL_CODE(0x22, 0xA20, METHOD_BUFFERED, FILE_ANY_ACCESS);
static_assert(kControlCode == 0x00222880);

// Word 0 of a request.
enum Function : uint32_t {
    kOpenInterface = 0xF100,
    kCloseInterface = 0xF200,
    kReadRegister = 0xF300,
};

// Word 1 of a register read.
enum Register : uint32_t {
    kChargeFeature = 0x0150,
    kMusicFeature = 0x015E,
};

// Word 5 of a register read: the mode table sits behind the charge register.
inline constexpr uint32_t kModeTableSelector = 0x100;

// Answer word 0 with any of these bits set means the driver refused the request.
inline constexpr uint32_t kRefusedBits = 0xFF00;
inline constexpr uint32_t kChargePresentValue = 0x800C;
inline constexpr uint32_t kModeTableHeaderValue = 0x8001;
inline constexpr uint32_t kModeTableEntryValue = 0x800C;

struct RequestBlock {
    std::array<uint32_t, 6> words{};

    uint32_t Status() const { return words[0]; }
    uint32_t Value() const { return words[1]; }
    uint32_t Data() const { return words[2]; }
};
static_assert(sizeof(RequestBlock) == 24);

// Every request starts from a zeroed block.
inline RequestBlock MakeRequest(uint32_t function, uint32_t reg = 0, uint32_t selector = 0) {
    RequestBlock block;
    block.words[0] = function;
    block.words[1] = reg;
    block.words[5] = selector;
    return block;
}

inline RequestBlock OpenInterfaceRequest() { return MakeRequest(kOpenInterface); }
inline RequestBlock CloseInterfaceRequest() { return MakeRequest(kCloseInterface); }
inline RequestBlock ChargePresenceRequest() { return MakeRequest(kReadRegister, kChargeFeature); }
inline RequestBlock MusicPresenceRequest() { return MakeRequest(kReadRegister, kMusicFeature); }
inline RequestBlock ModeTableHeaderRequest() {
    return MakeRequest(kReadRegister, kChargeFeature, kModeTableSelector);
}
inline RequestBlock ModeTableEntryRequest(uint32_t entry) {
    return MakeRequest(kReadRegister, kChargeFeature, kModeTableSelector + entry);
}

// Open and close interface.
inline bool IsInterfaceAnswerGood(const RequestBlock& answer) { return (answer.Status() & kRefusedBits) == 0; }
inline bool IsChargePresent(const RequestBlock& answer) {
    return answer.Status() == 0 && answer.Value() == kChargePresentValue;
}
inline bool IsMusicPresent(const RequestBlock& answer) { return answer.Status() == 0 && answer.Value() == 0; }
// A good header carries the number of entries in its data word.
inline bool IsModeTableHeaderGood(const RequestBlock& answer) {
    return answer.Status() == 0 && answer.Value() == kModeTableHeaderValue;
}
// A good entry carries its mode bits in its data word.
inline bool IsModeTableEntryGood(const RequestBlock& answer) {
    return answer.Status() == 0 && answer.Value() == kModeTableEntryValue;
}

}  // namespace pwrio
