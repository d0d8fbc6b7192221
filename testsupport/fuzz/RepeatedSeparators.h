#pragma once
// The property the dialog programs' command lines share: a line with every '/' doubled reads
// as the same options, since repeated separators carry none. Both lines are read from copies
// that end at a guard, so the reading must stop at the terminator.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"

namespace fuzz {

// read: const wchar_t* -> options comparable with ==.
template <class Read>
void CheckRepeatedSeparatorsChangeNothing(const std::uint8_t* pData, std::size_t nSize, Read read) {
    const std::wstring line = FuzzInput(pData, nSize).Text();
    std::wstring doubled;
    for (wchar_t c : line) doubled += c == L'/' ? std::wstring(L"//") : std::wstring(1, c);
    FUZZ_CHECK(read(GuardedText(line).Get()) == read(GuardedText(doubled).Get()));
}

}  // namespace fuzz
