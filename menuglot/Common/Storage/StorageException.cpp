#include "StorageException.h"

namespace storage {

StorageException::StorageException(const wchar_t* file, int line, const wchar_t* text)
    : m_strMessage(std::wstring(file) + L"(" + std::to_wstring(line) + L") : " + text + L"\n") {}

std::wstring StorageException::getMessage() const { return m_strMessage; }

}  // namespace storage
