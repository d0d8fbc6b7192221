#include "IniPath.h"

#include <windows.h>
#include <shlwapi.h>

namespace storage {
namespace {

bool isAbsolute(const std::wstring& path) {
    return (path.size() >= 2 && path[1] == L':') || (path.size() >= 3 && path.compare(0, 2, L"\\\\") == 0);
}

}  // namespace

std::wstring resolveIniPath(const std::wstring& path) {
    if (isAbsolute(path)) return path;
    wchar_t joined[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, joined, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    PathRemoveFileSpecW(joined);
    if (!PathAppendW(joined, path.c_str())) return {};
    return joined;
}

std::wstring joinSectionPath(const std::wstring& parent, const std::wstring& child) {
    if (parent.empty()) return child;
    if (child.empty()) return parent;
    return parent + L"\\" + child;
}

}  // namespace storage
