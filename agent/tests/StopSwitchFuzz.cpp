// The agent's command line, any text, read as an unterminated view that ends at a guard: the
// switch counts wherever it stands, so a line that has it keeps it whatever comes before or
// after.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"
#include "StopSwitch.h"

namespace {

bool HasSwitch(const std::wstring& line) {
    fuzz::GuardedBuffer guarded(line.size() * sizeof(wchar_t));
    std::copy(line.begin(), line.end(), reinterpret_cast<wchar_t*>(guarded.Data()));
    return HasStopSwitch(std::wstring_view(reinterpret_cast<const wchar_t*>(guarded.Data()), line.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    const std::wstring first = input.Text();
    const std::wstring second = input.Text();
    const bool both = HasSwitch(first + second);
    if (HasSwitch(first) || HasSwitch(second)) FUZZ_CHECK(both);
    return 0;
}
