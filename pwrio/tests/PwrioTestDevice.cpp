#include "PwrioTestDevice.h"

namespace pwriotest {

Block Request(uint32_t function, uint32_t reg, uint32_t selector) {
    constexpr uint32_t kMarker = 0xA5A5A5A5;
    return {function, reg, kMarker, kMarker, kMarker, selector};
}

TestDevice::TestDevice()
    : m_hDevice(CreateFileW(L"\\\\.\\PWRIO", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (!IsOpen()) m_openError = GetLastError();
}

TestDevice::~TestDevice() {
    if (IsOpen()) CloseHandle(m_hDevice);
}

Outcome TestDevice::Exchange(Block& block) {
    return Send(kExchangeCode, block.data(), sizeof(block), block.data(), sizeof(block));
}

Outcome TestDevice::Send(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize) {
    Outcome outcome;
    outcome.succeeded = DeviceIoControl(m_hDevice, code, const_cast<void*>(in), inSize, out, outSize,
                                        &outcome.bytesReturned, nullptr);
    if (!outcome.succeeded) outcome.error = GetLastError();
    return outcome;
}

}  // namespace pwriotest
