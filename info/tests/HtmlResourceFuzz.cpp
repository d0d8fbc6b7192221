// The page decoder on any resource bytes, which end at a guard: it never reads past the
// resource's size, UTF-16 text with a byte-order mark comes back unit by unit (an odd last
// byte dropped, a mark alone giving an empty page), and no text is longer than its bytes.
#include "FuzzCheck.h"
#include "HtmlResourceText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::wstring text = DecodeHtmlResource(pData, nSize);
    FUZZ_CHECK(text.size() <= nSize);
    if (nSize >= 2 && pData[0] == 0xFF && pData[1] == 0xFE) {
        FUZZ_CHECK(text.size() == nSize / 2 - 1);
        for (std::size_t i = 0; i < text.size(); ++i) {
            FUZZ_CHECK(text[i] == static_cast<wchar_t>(pData[2 + 2 * i] | pData[3 + 2 * i] << 8));
        }
    }
    return 0;
}
