#include "PwrioDevice.h"

namespace pwrio {

bool Device::Open() {
    m_device = KernelHandle(CreateFileW(kDevicePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    return m_device.IsValid();
}

bool Device::Transfer(RequestBlock& block, DWORD& cbReturned) {
    cbReturned = 0;
    return DeviceIoControl(m_device.Get(), kControlCode, &block, sizeof(block), &block, sizeof(block), &cbReturned,
                           nullptr) != FALSE;
}

void Device::Close() { m_device.Close(); }

}  // namespace pwrio
