#include "DeviceIdRules.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::wstring_view, 2> kIgnoredVendors{L"USB\\VID_0BDA", L"USB\\VID_058F"};
constexpr std::array<std::wstring_view, 3> kExcludingClasses{L"USB\\CLASS_03", L"USB\\CLASS_09", L"USB\\CLASS_E0"};
constexpr std::array<std::wstring_view, 3> kQualifyingClasses{L"USB\\CLASS_06", L"USB\\CLASS_08",
                                                              L"USB\\MS_COMP_MTP"};

template <size_t N>
bool ContainsAny(std::wstring_view text, const std::array<std::wstring_view, N>& entries) {
    const std::wstring upper = ToUpperInvariant(text);
    return std::any_of(entries.begin(), entries.end(),
                       [&](std::wstring_view entry) { return upper.find(entry) != std::wstring::npos; });
}

}  // namespace

std::wstring ToUpperInvariant(std::wstring_view text) {
    std::wstring upper(text);
    if (!upper.empty()) {
        // Device ids are ASCII; the invariant locale keeps the result the same on every machine.
        ::LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, upper.data(), static_cast<int>(upper.size()), upper.data(),
                       static_cast<int>(upper.size()));
    }
    return upper;
}

bool IsIgnoredVendor(std::wstring_view deviceIdPrefix) { return ContainsAny(deviceIdPrefix, kIgnoredVendors); }

bool IsExcludingClass(std::wstring_view compatibleId) { return ContainsAny(compatibleId, kExcludingClasses); }

bool IsQualifyingClass(std::wstring_view compatibleId) { return ContainsAny(compatibleId, kQualifyingClasses); }
