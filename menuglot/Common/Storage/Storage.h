#pragma once
// The storage library as the localiser uses it: the store, its exception, and StorageHandle,
// a reference-counted owner of one store through which reads go.
#include <windows.h>

#include <memory>

#include "IniFileStorage.h"
#include "StorageException.h"
#include "StorageInterface.h"

class StorageHandle {
public:
    static constexpr int kReportByResult = 1;
    static constexpr int kReportByException = 2;

    StorageHandle() = default;
    // Opens the section of an INI file; the handle stays empty when that fails.
    StorageHandle(const wchar_t* section, const wchar_t* file);
    StorageHandle(const StorageHandle& other);
    StorageHandle& operator=(const StorageHandle& other);
    ~StorageHandle();

    void attach(std::unique_ptr<storage::StorageInterface> storage);
    void setErrorMode(int errorMode) { m_nErrorMode = errorMode; }

    bool isEmpty() const { return m_pStorage == nullptr; }
    bool isOpen() const { return m_pStorage != nullptr && m_pStorage->isOpen(); }

    bool getString(const wchar_t* key, std::wstring& value);
    bool getKeyNames(storage::NameList& names);

private:
    void release();
    bool failRead(int line) const;

    int m_nErrorMode = kReportByResult;
    LONG* m_pRefCount = nullptr;  // shared by every handle of the same store
    storage::StorageInterface* m_pStorage = nullptr;
};
