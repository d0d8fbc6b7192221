#pragma once
// A property every input must keep. A broken one ends the run as a crash would, so that the
// runner (under Wine) or libFuzzer (natively) keeps the input that broke it.
#include <cstddef>
#include <cstdint>

namespace fuzz {
[[noreturn]] void Fail(const char* szCondition, const char* szFile, int nLine);
}  // namespace fuzz

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) ::fuzz::Fail(#condition, __FILE__, __LINE__); \
    } while (0)

// Each target defines this, as libFuzzer expects.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize);
