// The growing reads with a reader that cuts its text as the profile functions do: a value
// comes back whole whatever its length, and a list of names comes back name by name.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ProfileBuffer.h"

namespace {

// Copies text (a value, or a list with its final NUL) into the buffer, cut to what fits with
// the terminators; returns what the profile functions return.
std::uint32_t CutCopy(const std::wstring& text, wchar_t* pBuffer, std::uint32_t nSize, std::uint32_t nTerminators) {
    const std::uint32_t nCount = std::min<std::uint32_t>(static_cast<std::uint32_t>(text.size()), nSize - nTerminators);
    std::memcpy(pBuffer, text.data(), nCount * sizeof(wchar_t));
    std::fill(pBuffer + nCount, pBuffer + nCount + nTerminators, L'\0');
    return text.size() < nSize - 1 ? static_cast<std::uint32_t>(text.size()) : nSize - nTerminators;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    const std::wstring value = input.Text();
    FUZZ_CHECK(storage::readGrowing([&](wchar_t* pBuffer, std::uint32_t nBufferSize) {
                   return CutCopy(value, pBuffer, nBufferSize, 1);
               }) == value);

    std::vector<std::wstring> names = input.Texts();
    names.erase(std::remove(names.begin(), names.end(), std::wstring()), names.end());
    std::wstring list;
    for (const auto& name : names) list += name + L'\0';
    FUZZ_CHECK(storage::splitList(storage::readGrowing([&](wchar_t* pBuffer, std::uint32_t nBufferSize) {
                   return CutCopy(list, pBuffer, nBufferSize, 2);
               })) == names);
    return 0;
}
