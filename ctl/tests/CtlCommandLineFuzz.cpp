// NodwellCtl's command line, any arguments: either a request or the reason it is wrong, a set
// that changes something, a limit within 2..99, and the same verdict whatever the case of
// the letters.
#include <algorithm>
#include <string>
#include <vector>

#include "CtlCommandLine.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::vector<std::wstring> arguments = fuzz::FuzzInput(pData, nSize).Texts();
    const ctl::ParsedCommandLine parsed = ctl::ParseCommandLine(arguments);
    FUZZ_CHECK(parsed.request.has_value() == parsed.strError.empty());
    if (parsed.request) {
        const ctl::Request& request = *parsed.request;
        FUZZ_CHECK(!request.limit || (*request.limit >= 2 && *request.limit <= 99));
        FUZZ_CHECK(!request.mode || !request.mode->empty());
        FUZZ_CHECK(request.command != ctl::Command::Set || request.charge || request.mode || request.battery ||
                   request.limit || request.music);
    }
    std::vector<std::wstring> upper = arguments;
    for (auto& argument : upper) {
        std::transform(argument.begin(), argument.end(), argument.begin(),
                       [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; });
    }
    FUZZ_CHECK(ctl::ParseCommandLine(upper).request.has_value() == parsed.request.has_value());
    return 0;
}
