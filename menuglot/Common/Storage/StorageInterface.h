#pragma once
// One node of a hierarchical key/value store: a section whose children extend its name with a
// backslash (A, A\B, A\B\C), the way registry key paths do.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace storage {

using ByteList = std::vector<std::uint8_t>;
using NameList = std::vector<std::wstring>;

class StorageInterface {
public:
    virtual ~StorageInterface() = default;

    virtual bool isOpen() const = 0;
    virtual std::unique_ptr<StorageInterface> openChild(const wchar_t* name) = 0;
    virtual std::unique_ptr<StorageInterface> createChild(const wchar_t* name) = 0;
    virtual void close() = 0;
    virtual bool writeInt(const wchar_t* key, std::int32_t value) = 0;
    virtual bool readInt(const wchar_t* key, std::int32_t& value) = 0;
    virtual bool writeString(const wchar_t* key, const std::wstring& value) = 0;
    virtual bool readString(const wchar_t* key, std::wstring& value) = 0;
    virtual bool writeBinary(const wchar_t* key, const ByteList& bytes) = 0;
    // Appends to bytes; a malformed list may have appended some before it ends.
    virtual bool readBinary(const wchar_t* key, ByteList& bytes) = 0;
    // Name lists are appended to, never cleared first.
    virtual bool getChildNames(NameList& names) = 0;
    virtual bool getKeyNames(NameList& names) = 0;
    virtual bool deleteChild(const wchar_t* name) = 0;
    virtual bool deleteKey(const wchar_t* key) = 0;
};

}  // namespace storage
