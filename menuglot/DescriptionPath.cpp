#include "DescriptionPath.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

std::wstring defaultDescriptionName(const wchar_t* programPath) {
    std::wstring name = PathFindFileNameW(programPath);
    if (name.size() >= 3) name.replace(name.size() - 3, 3, L"ini");
    return name;
}

const wchar_t* skipBlanks(const wchar_t* text) {
    while (*text == L' ' || *text == L'\t') ++text;
    return text;
}

}  // namespace

std::wstring descriptionPath(const std::wstring& programFolder, const wchar_t* programPath,
                             const wchar_t* commandLine) {
    const wchar_t* argument = skipBlanks(commandLine ? commandLine : L"");
    return programFolder + L"\\" + (*argument ? std::wstring(argument) : defaultDescriptionName(programPath));
}
