#pragma once
// Which USB devices the agent reacts to, judged from the device-id prefix and the device's
// first compatible id. Every test is a substring search in the upper-cased text.
#include <string>
#include <string_view>

std::wstring ToUpperInvariant(std::wstring_view text);

// Vendors whose devices never start the information program ("USB\VID_0BDA", "USB\VID_058F").
bool IsIgnoredVendor(std::wstring_view deviceIdPrefix);
// Human interface devices, hubs and wireless controllers.
bool IsExcludingClass(std::wstring_view compatibleId);
// Still-image, mass storage, and media players announcing MTP.
bool IsQualifyingClass(std::wstring_view compatibleId);
