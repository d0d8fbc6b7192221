#pragma once
#include <string>

namespace storage {

// Thrown by value; the message reads "<file>(<line>) : <text>" and a line feed.
class StorageException {
public:
    StorageException(const wchar_t* file, int line, const wchar_t* text);
    virtual ~StorageException() = default;
    StorageException(const StorageException&) = default;
    StorageException& operator=(const StorageException&) = default;

    virtual std::wstring getMessage() const;

private:
    std::wstring m_strMessage;
};

}  // namespace storage
