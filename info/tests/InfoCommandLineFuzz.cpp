// The information program's command line, any text, read from a copy that ends at a guard:
// the reading stops at the terminator, and repeated separators give no other options.
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"
#include "InfoCommandLine.h"

namespace {

InfoCommandLine Parse(const std::wstring& line) {
    fuzz::GuardedText guarded(line);
    return ParseInfoCommandLine(guarded.Get());
}

bool operator==(const InfoCommandLine& a, const InfoCommandLine& b) {
    return a.wPrimaryLang == b.wPrimaryLang && a.wSubLang == b.wSubLang && a.bSetup == b.bSetup;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::wstring line = fuzz::FuzzInput(pData, nSize).Text();
    std::wstring doubled;
    for (wchar_t c : line) doubled += c == L'/' ? std::wstring(L"//") : std::wstring(1, c);
    FUZZ_CHECK(Parse(line) == Parse(doubled));
    return 0;
}
