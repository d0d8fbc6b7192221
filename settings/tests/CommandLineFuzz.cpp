// The settings program's command line, any text, read from a copy that ends at a guard: the
// reading stops at the terminator, and repeated separators give no other options.
#include <string>

#include "CommandLineOptions.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"

namespace {

CommandLineOptions Parse(const std::wstring& line) {
    fuzz::GuardedText guarded(line);
    return ParseCommandLine(guarded.Get());
}

bool operator==(const CommandLineOptions& a, const CommandLineOptions& b) {
    return a.wPrimaryLang == b.wPrimaryLang && a.wSubLang == b.wSubLang && a.bNoInfo == b.bNoInfo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::wstring line = fuzz::FuzzInput(pData, nSize).Text();
    std::wstring doubled;
    for (wchar_t c : line) doubled += c == L'/' ? std::wstring(L"//") : std::wstring(1, c);
    FUZZ_CHECK(Parse(line) == Parse(doubled));
    return 0;
}
