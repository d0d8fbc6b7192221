// The information program's command line, any text: repeated separators give no other options.
#include "InfoCommandLine.h"
#include "RepeatedSeparators.h"

static bool operator==(const InfoCommandLine& a, const InfoCommandLine& b) {
    return a.wPrimaryLang == b.wPrimaryLang && a.wSubLang == b.wSubLang && a.bSetup == b.bSetup;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::CheckRepeatedSeparatorsChangeNothing(pData, nSize, ParseInfoCommandLine);
    return 0;
}
