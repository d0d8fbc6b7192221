#pragma once
// Copying a file over another so that the destination is never seen half written.
#include <string>

// Copies the source to a temporary file in the destination's folder, then moves that file over
// the destination, written through to the disk. False on failure, with the destination as it
// was, the temporary file removed and the failing step's error left for GetLastError.
bool CopyFileWhole(const std::wstring& strSource, const std::wstring& strDestination);
