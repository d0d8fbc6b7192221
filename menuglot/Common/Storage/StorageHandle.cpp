#include "Storage.h"

namespace {
// The exception names the header where the failing check is declared.
constexpr wchar_t kStorageHeader[] = L"Common\\Storage\\Storage.h";
}  // namespace

StorageHandle::StorageHandle(const wchar_t* section, const wchar_t* file) {
    auto storage = std::make_unique<storage::IniFileStorage>();
    if (storage->open(section, file)) attach(std::move(storage));
}

StorageHandle::StorageHandle(const StorageHandle& other)
    : m_nErrorMode(other.m_nErrorMode), m_pRefCount(other.m_pRefCount), m_pStorage(other.m_pStorage) {
    if (m_pRefCount) InterlockedIncrement(m_pRefCount);
}

StorageHandle& StorageHandle::operator=(const StorageHandle& other) {
    if (this != &other) {
        if (other.m_pRefCount) InterlockedIncrement(other.m_pRefCount);
        release();
        m_nErrorMode = other.m_nErrorMode;
        m_pRefCount = other.m_pRefCount;
        m_pStorage = other.m_pStorage;
    }
    return *this;
}

StorageHandle::~StorageHandle() { release(); }

void StorageHandle::attach(std::unique_ptr<storage::StorageInterface> storage) {
    auto count = std::make_unique<LONG>(1);
    release();
    m_pRefCount = count.release();
    m_pStorage = storage.release();
}

void StorageHandle::release() {
    if (m_pRefCount && InterlockedDecrement(m_pRefCount) == 0) {
        // The last handle owns the count and the store.
        std::unique_ptr<LONG> count(m_pRefCount);
        std::unique_ptr<storage::StorageInterface> storage(m_pStorage);
    }
    m_pRefCount = nullptr;
    m_pStorage = nullptr;
}

bool StorageHandle::failRead(int line) const {
    if (m_nErrorMode == kReportByException) throw storage::StorageException(kStorageHeader, line, L"StorageException : Read");
    return false;
}

bool StorageHandle::getString(const wchar_t* key, std::wstring& value) {
    if (!isOpen() || !m_pStorage->readString(key, value)) return failRead(__LINE__);
    return true;
}

bool StorageHandle::getKeyNames(storage::NameList& names) {
    if (!isOpen() || !m_pStorage->getKeyNames(names)) return failRead(__LINE__);
    return true;
}
