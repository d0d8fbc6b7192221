// The settings program's command line, any text: repeated separators give no other options.
#include "CommandLineOptions.h"
#include "RepeatedSeparators.h"

static bool operator==(const CommandLineOptions& a, const CommandLineOptions& b) {
    return a.wPrimaryLang == b.wPrimaryLang && a.wSubLang == b.wSubLang && a.bNoInfo == b.bNoInfo;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::CheckRepeatedSeparatorsChangeNothing(pData, nSize, ParseCommandLine);
    return 0;
}
