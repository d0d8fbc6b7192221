#pragma once
// The one narrow way to the hardware-access device: open it, exchange a request block, close it.
#include <windows.h>

#include "KernelHandle.h"
#include "PwrioRequest.h"

namespace pwrio {

class IDevice {
public:
    virtual ~IDevice() = default;
    // True when the device opened.
    virtual bool Open() = 0;
    // Sends the block and lets the driver overwrite it with its answer; false when the
    // control call itself failed, otherwise cbReturned is the length of the answer.
    virtual bool Transfer(RequestBlock& block, DWORD& cbReturned) = 0;
    virtual void Close() = 0;

    // One exchange: true only when the call worked and the whole 24-byte answer came back. A
    // shorter answer leaves words of the request in the block, which would read as an answer.
    bool Exchange(RequestBlock& block) {
        DWORD cbReturned = 0;
        return Transfer(block, cbReturned) && cbReturned >= sizeof(block);
    }
};

// The device as the system provides it.
class Device final : public IDevice {
public:
    bool Open() override;
    bool Transfer(RequestBlock& block, DWORD& cbReturned) override;
    void Close() override;

private:
    KernelHandle m_device;
};

}  // namespace pwrio
