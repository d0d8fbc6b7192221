#pragma once
// The machine's list of excepted devices: HKEY_LOCAL_MACHINE (64-bit view)
// "Software\Corvane\Nodwell\poil\<class key>", one value per excepted vendor.
#include <optional>
#include <string>

struct PoilLookup {
    std::wstring keyName;    // "Software\Corvane\Nodwell\poil\CLASS_08&SUBCLASS_06"
    std::wstring valueName;  // "VID_1234"
};

// Where the exception for this device would be listed; nothing when the device-id prefix
// has no '&' (then no vendor key can be formed and the registry is not read).
std::optional<PoilLookup> PoilLookupFor(std::wstring compatibleId, std::wstring deviceIdPrefix);

// True when the exception list names the device's vendor under its class key.
bool IsExceptedByPoil(std::wstring compatibleId, std::wstring deviceIdPrefix);
