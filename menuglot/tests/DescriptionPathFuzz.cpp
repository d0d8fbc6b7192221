// Menuglot's command line, any text, read from a copy that ends at a guard: the description
// lies in the program's folder, named by the whole argument after the blanks before it, or
// after the program when there is none.
#include <algorithm>
#include <string>

#include "DescriptionPath.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "GuardedBuffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::wstring commandLine = fuzz::FuzzInput(pData, nSize).Text();
    fuzz::GuardedText guarded(commandLine);
    const std::wstring folder = L"C:\\Program Files\\Corvane";
    const std::wstring path = descriptionPath(folder, L"C:\\Program Files\\Corvane\\Menuglot.exe", guarded.Get());

    const std::size_t argument = std::min(commandLine.find_first_not_of(L" \t"), commandLine.size());
    const std::wstring expected = argument < commandLine.size() ? commandLine.substr(argument) : L"Menuglot.ini";
    FUZZ_CHECK(path == folder + L"\\" + expected);
    return 0;
}
