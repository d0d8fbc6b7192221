#pragma once
// Opens \\.\PWRIO as the suite's tools do and sends blocks of any shape to it.
#include <windows.h>

#include <array>
#include <cstdint>
#include <vector>

namespace pwriotest {

using Block = std::array<uint32_t, 6>;

constexpr DWORD kExchangeCode = 0x00222880;
constexpr uint32_t kOpen = 0xF100;
constexpr uint32_t kClose = 0xF200;
constexpr uint32_t kRead = 0xF300;
constexpr uint32_t kCharge = 0x0150;
constexpr uint32_t kMusic = 0x015E;
constexpr uint32_t kTableHeader = 0x100;
constexpr uint32_t kRefused = 0xFF00;

// A request as the tools build it, except that the words the request leaves at 0 carry a
// marker, so that an answer echoing them shows.
Block Request(uint32_t function, uint32_t reg = 0, uint32_t selector = 0);

struct Outcome {
    bool succeeded = false;
    DWORD error = 0;          // GetLastError() when the call failed
    DWORD bytesReturned = 0;
};

class TestDevice {
public:
    TestDevice();
    ~TestDevice();
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    bool IsOpen() const { return m_hDevice != INVALID_HANDLE_VALUE; }
    DWORD OpenError() const { return m_openError; }

    // The usual exchange: the block is sent and overwritten with the answer.
    Outcome Exchange(Block& block);
    // Raw buffers of any length, for malformed requests.
    Outcome Send(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize);

private:
    HANDLE m_hDevice = INVALID_HANDLE_VALUE;
    DWORD m_openError = 0;
};

}  // namespace pwriotest
