#include "PwrioDevice.h"

namespace pwrio {

bool Device::Open() {
    Close();
    m_hDevice = CreateFileW(kDevicePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hDevice != INVALID_HANDLE_VALUE;
}

bool Device::Transfer(RequestBlock& block, DWORD& cbReturned) {
    cbReturned = 0;
    return DeviceIoControl(m_hDevice, kControlCode, &block, sizeof(block), &block, sizeof(block), &cbReturned,
                           nullptr) != FALSE;
}

void Device::Close() {
    if (m_hDevice != INVALID_HANDLE_VALUE) {
        CloseHandle(m_hDevice);
        m_hDevice = INVALID_HANDLE_VALUE;
    }
}

}  // namespace pwrio
