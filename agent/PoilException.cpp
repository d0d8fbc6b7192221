#include "PoilException.h"

#include <windows.h>

#include "DeviceIdRules.h"
#include "RegistryKey.h"

namespace {

void RemoveAll(std::wstring& text, std::wstring_view part) {
    for (size_t found = text.find(part); found != std::wstring::npos; found = text.find(part, found)) {
        text.erase(found, part.size());
    }
}

}  // namespace

std::optional<PoilLookup> PoilLookupFor(std::wstring compatibleId, std::wstring deviceIdPrefix) {
    RemoveAll(compatibleId, L"USB\\");
    RemoveAll(deviceIdPrefix, L"USB\\");
    // The class key keeps at most class and subclass: CLASS_08&SUBCLASS_06&PROT_50 becomes
    // CLASS_08&SUBCLASS_06, CLASS_08&SUBCLASS_06 becomes CLASS_08, MS_COMP_MTP stays whole.
    const size_t firstAmp = compatibleId.find(L'&');
    if (firstAmp != std::wstring::npos && firstAmp > 0) {
        const size_t secondAmp = compatibleId.find(L'&', firstAmp + 1);
        compatibleId.resize(secondAmp != std::wstring::npos ? secondAmp : firstAmp);
    }
    const size_t vendorEnd = deviceIdPrefix.find(L'&');
    if (vendorEnd == std::wstring::npos) return std::nullopt;
    deviceIdPrefix.resize(vendorEnd);
    return PoilLookup{L"Software\\Corvane\\Nodwell\\poil\\" + ToUpperInvariant(compatibleId),
                      ToUpperInvariant(deviceIdPrefix)};
}

bool IsExceptedByPoil(std::wstring compatibleId, std::wstring deviceIdPrefix) {
    const auto lookup = PoilLookupFor(std::move(compatibleId), std::move(deviceIdPrefix));
    if (!lookup) return false;
    // The list is kept in the 64-bit view; a 32-bit program would otherwise read Wow6432Node.
    RegistryKey key;
    return key.Open(HKEY_LOCAL_MACHINE, lookup->keyName.c_str(), KEY_READ | KEY_WOW64_64KEY) == ERROR_SUCCESS &&
           key.HasValue(lookup->valueName);
}
