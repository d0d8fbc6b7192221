// A broken property under libFuzzer: abort, which libFuzzer reports with the input.
#include <cstdio>
#include <cstdlib>

#include "FuzzCheck.h"

namespace fuzz {

void Fail(const char* szCondition, const char* szFile, int nLine) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", szFile, nLine, szCondition);
    std::abort();
}

}  // namespace fuzz
