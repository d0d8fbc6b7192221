#pragma once
// Asks the hardware-access device whether the machine has the charge feature.
#include <functional>

#include "PwrioDevice.h"

namespace portsense {

// 0: present and closed cleanly. 1: absent, no device, interface refused, or present but the
// close failed. 2: absent and the close failed.
// reportInterfaceRefused is called when the device opened but refused its interface.
int RunChargeProbe(pwrio::IDevice& device, const std::function<void()>& reportInterfaceRefused);

}  // namespace portsense
