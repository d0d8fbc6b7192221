// The log line from any site, any stamp and any message, each text ending at a guard: at
// most 511 characters, ending with its only line feed, terminated right after it.
#include <cstdarg>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"
#include "LogLine.h"

namespace {

std::wstring Line(fuzz::FuzzInput& input) {
    std::wstring text = input.Text();
    for (wchar_t& c : text) c = c == L'\n' ? L' ' : c;  // the line's only line feed is its own
    return text;
}

std::size_t Build(wchar_t (&line)[kLogLineBufferSize], StampMode stamp, bool fullName, const LogSite& site,
                  const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const std::size_t length = buildLogLine(line, stamp, fullName, site, format, args);
    va_end(args);
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    fuzz::FuzzInput input(pData, nSize);
    const std::uint8_t choice = input.Byte();
    const auto line = static_cast<std::int32_t>(input.Number());
    fuzz::GuardedText file(Line(input)), function(Line(input)), tag(Line(input)), message(Line(input));
    const LogSite site{file.Get(), line, function.Get(), tag.Get(), static_cast<LogLevel>(choice % 4)};

    wchar_t text[kLogLineBufferSize];
    const auto stamp = static_cast<StampMode>(choice / 4 % 4);
    const std::size_t length = Build(text, stamp, choice & 0x80, site, L"%s", message.Get());
    FUZZ_CHECK(length >= 1 && length <= kLogLineBufferSize - 1);
    FUZZ_CHECK(text[length] == L'\0' && text[length - 1] == L'\n');
    FUZZ_CHECK(std::wstring(text, length).find(L'\n') == length - 1);
    return 0;
}
