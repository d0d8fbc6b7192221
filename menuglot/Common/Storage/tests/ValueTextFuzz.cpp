// The storage's value codecs on any text and any bytes: what is written reads back the same
// (escaped text, hex lists, integers), and reading any stored text ends within it.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ValueText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    const std::int32_t number = static_cast<std::int32_t>(input.Number());
    const std::wstring text = input.Text();
    const storage::ByteList bytes = input.Rest();

    const std::wstring escaped = storage::escapeText(text);
    // A stored line holds no control character that the profile functions would cut it at.
    FUZZ_CHECK(std::none_of(escaped.begin(), escaped.end(), [](wchar_t c) { return c == L'\n' || c == L'\r'; }));
    FUZZ_CHECK(storage::unescapeText(escaped) == text);
    storage::unescapeText(text);

    FUZZ_CHECK(storage::parseIntText(std::to_wstring(number)) == number);
    storage::parseIntText(text);

    storage::ByteList decoded;
    FUZZ_CHECK(storage::decodeHexText(storage::encodeHexText(bytes), decoded) && decoded == bytes);
    decoded.clear();
    if (storage::decodeHexText(text, decoded)) FUZZ_CHECK(decoded.size() <= text.size() / 3 + 1);
    return 0;
}
