#include "WholeFileCopy.h"

#include <windows.h>

namespace {

// The folder part of the path, or the current folder for a bare file name.
std::wstring FolderOf(const std::wstring& strPath) {
    const size_t separator = strPath.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : strPath.substr(0, separator + 1);
}

}  // namespace

bool CopyFileWhole(const std::wstring& strSource, const std::wstring& strDestination) {
    // The same folder keeps the final move a rename on one volume, which replaces the file at once.
    wchar_t szTemporary[MAX_PATH] = {};
    if (!GetTempFileNameW(FolderOf(strDestination).c_str(), L"css", 0, szTemporary)) return false;
    if (CopyFileW(strSource.c_str(), szTemporary, FALSE) &&
        MoveFileExW(szTemporary, strDestination.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    const DWORD error = GetLastError();
    DeleteFileW(szTemporary);
    SetLastError(error);
    return false;
}
