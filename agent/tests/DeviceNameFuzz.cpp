// What the agent reads from outside about a device, any text: the interface name in a
// broadcast of any size, ending at a guard; the identity parsed from it; the exception
// lookup; and the id rules, which ignore the case of letters.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "DeviceIdRules.h"
#include "DeviceInterfaceName.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"
#include "PoilException.h"

namespace {

constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    const std::wstring compatibleId = input.Text();
    const std::vector<std::uint8_t> nameBytes = input.Rest();

    fuzz::GuardedBuffer message(kNameOffset + nameBytes.size());
    std::memset(message.Data(), 0, kNameOffset);
    if (!nameBytes.empty()) std::memcpy(message.Data() + kNameOffset, nameBytes.data(), nameBytes.size());
    auto& broadcast = *reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(message.Data());
    broadcast.dbcc_size = static_cast<DWORD>(message.Size());
    const std::wstring name = BroadcastDeviceName(broadcast);
    FUZZ_CHECK(name.size() <= nameBytes.size() / sizeof(wchar_t) && name.find(L'\0') == std::wstring::npos);

    const auto identity = ParseDeviceInterfaceName(name);
    if (!identity) return 0;
    FUZZ_CHECK(identity->deviceIdPrefix.starts_with(identity->enumerator));
    FUZZ_CHECK(identity->deviceIdPrefix.find(L'#') == std::wstring::npos);
    FUZZ_CHECK(identity->deviceIdPrefix == ToUpperInvariant(identity->deviceIdPrefix));
    FUZZ_CHECK(IsIgnoredVendor(identity->deviceIdPrefix) == IsIgnoredVendor(Lower(identity->deviceIdPrefix)));
    FUZZ_CHECK(IsQualifyingClass(compatibleId) == IsQualifyingClass(Lower(compatibleId)));
    FUZZ_CHECK(IsExcludingClass(compatibleId) == IsExcludingClass(Lower(compatibleId)));

    const auto lookup = PoilLookupFor(compatibleId, identity->deviceIdPrefix);
    if (!lookup) return 0;
    // The class key keeps at most class and subclass; one that begins with '&' stays whole.
    constexpr std::wstring_view kPoilKey = L"Software\\Corvane\\Nodwell\\poil\\";
    FUZZ_CHECK(lookup->keyName.starts_with(kPoilKey));
    const std::wstring classKey = lookup->keyName.substr(kPoilKey.size());
    FUZZ_CHECK(classKey.starts_with(L'&') || std::count(classKey.begin(), classKey.end(), L'&') <= 1);
    FUZZ_CHECK(lookup->valueName.find(L'&') == std::wstring::npos);
    return 0;
}
