// The picker's command line, any arguments, with a device that does not open: success only
// with the usage text, and nothing printed but the usage text or the one error message.
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "StylepickMain.h"

namespace {

class AbsentDevice final : public pwrio::IDevice {
public:
    bool Open() override { return false; }
    bool Transfer(pwrio::RequestBlock&, DWORD&) override { return false; }
    void Close() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    AbsentDevice device;
    std::ostringstream out;
    const int nExitCode = stylepick::StylepickMain(fuzz::FuzzInput(pData, nSize).Texts(), device, out);
    const std::string printed = out.str();
    FUZZ_CHECK((nExitCode == stylepick::kExitSuccess) == (printed == stylepick::kUsageText));
    FUZZ_CHECK(printed.empty() || printed == stylepick::kUsageText || printed == stylepick::kParameterErrorText);
    return 0;
}
