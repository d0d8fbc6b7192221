#pragma once
// How the texts of the profile functions are read whole: a buffer that grows until the text
// fits, and the split of the name lists they return.
#include <cstdint>
#include <string>
#include <vector>

namespace storage {

constexpr std::uint32_t kFirstProfileBufferSize = 256;

// Calls read(buffer, size) with a doubling buffer until the count it returns leaves room: the
// profile functions report a cut text as size - 1 (values) or size - 2 (lists).
template <typename Read>
std::wstring readGrowing(Read read) {
    std::wstring buffer(kFirstProfileBufferSize, L'\0');
    for (;;) {
        const auto size = static_cast<std::uint32_t>(buffer.size());
        const std::uint32_t count = read(buffer.data(), size);
        if (count < size - 2) {
            buffer.resize(count);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

// Splits "a\0b\0\0" into its strings; the list ends at the first empty one.
std::vector<std::wstring> splitList(const std::wstring& list);

}  // namespace storage
