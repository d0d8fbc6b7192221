// A device's id read through a reader that answers with any type, any size it claims to need,
// and any data, terminated or not: the text is the data's first string and never more, a
// property of another type reads as empty text, and the reading ends.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "DeviceInfoList.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    const DWORD dwType = input.Byte() % 9;  // REG_NONE .. REG_RESOURCE_REQUIREMENTS_LIST
    const std::uint8_t claim = input.Byte();  // what the reader says it needs: the truth, or a few bytes off
    const DWORD dwError = input.Byte() < 224 ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_DATA;
    const std::vector<std::uint8_t> data = input.Rest();
    // Never more than a few bytes off: no property the system holds asks for more than memory.
    const int nOff = claim < 128 ? 0 : claim % 16 - 8;
    const DWORD cbClaimed = static_cast<DWORD>(std::max<int>(0, static_cast<int>(data.size()) + nOff));

    bool bGiven = false;
    const auto read = [&](DWORD* pdwType, BYTE* pBuffer, DWORD cbBuffer, DWORD* pcbRequired) -> BOOL {
        *pdwType = dwType;
        *pcbRequired = cbClaimed;
        if (cbBuffer < data.size()) {
            ::SetLastError(dwError);
            return FALSE;
        }
        std::memcpy(pBuffer, data.data(), data.size());
        bGiven = true;
        return TRUE;
    };
    std::wstring text = L"left over";
    if (!ReadDeviceIdText(read, &text)) {
        FUZZ_CHECK(text.empty());
        return 0;
    }
    // The buffer is as large as the reader claims; what it leaves unwritten reads 0.
    FUZZ_CHECK(bGiven && text.size() <= cbClaimed / sizeof(wchar_t));
    FUZZ_CHECK(text.find(L'\0') == std::wstring::npos);
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ && dwType != REG_MULTI_SZ) FUZZ_CHECK(text.empty());
    std::vector<std::uint8_t> padded = data;
    padded.resize(std::max(padded.size(), text.size() * sizeof(wchar_t)));
    FUZZ_CHECK(std::memcmp(text.data(), padded.data(), text.size() * sizeof(wchar_t)) == 0);
    return 0;
}
