#include "ChargeProbe.h"

namespace portsense {

int RunChargeProbe(pwrio::IDevice& device, const std::function<void()>& reportInterfaceRefused) {
    if (!device.Open()) return 1;

    pwrio::RequestBlock block = pwrio::OpenInterfaceRequest();
    if (!device.Exchange(block) || !pwrio::IsInterfaceAnswerGood(block)) {
        reportInterfaceRefused();
        device.Close();
        return 1;
    }

    int result = 0;
    block = pwrio::ChargePresenceRequest();
    if (!device.Exchange(block) || !pwrio::IsChargePresent(block)) result = 1;

    block = pwrio::CloseInterfaceRequest();
    if (!device.Exchange(block) || !pwrio::IsInterfaceAnswerGood(block)) result += 1;

    device.Close();
    return result;
}

}  // namespace portsense
