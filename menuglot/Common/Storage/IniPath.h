#pragma once
#include <string>

namespace storage {

// An absolute path (drive letter and colon, or two leading backslashes) stays as it is; any
// other is taken beside the running program, never in the current folder. Empty when the
// joined path does not fit.
std::wstring resolveIniPath(const std::wstring& path);

// parent\child, leaving out the separator when either side is empty.
std::wstring joinSectionPath(const std::wstring& parent, const std::wstring& child);

}  // namespace storage
