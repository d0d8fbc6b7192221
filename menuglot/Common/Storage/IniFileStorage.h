#pragma once
// The store on one section of a Windows INI file. Every file access is a private-profile call;
// operations other than open, openOrCreate and isOpen are not guarded by isOpen (the handle is).
#include "StorageInterface.h"

namespace storage {

class IniFileStorage : public StorageInterface {
public:
    IniFileStorage() = default;

    // A relative file is taken beside the running program. open fails unless the section, or a
    // section below it, exists; openOrCreate then creates the section empty.
    bool open(const wchar_t* section, const wchar_t* file);
    bool openOrCreate(const wchar_t* section, const wchar_t* file);

    bool isOpen() const override;
    std::unique_ptr<StorageInterface> openChild(const wchar_t* name) override;
    std::unique_ptr<StorageInterface> createChild(const wchar_t* name) override;
    void close() override;
    bool writeInt(const wchar_t* key, std::int32_t value) override;
    bool readInt(const wchar_t* key, std::int32_t& value) override;
    bool writeString(const wchar_t* key, const std::wstring& value) override;
    bool readString(const wchar_t* key, std::wstring& value) override;
    bool writeBinary(const wchar_t* key, const ByteList& bytes) override;
    bool readBinary(const wchar_t* key, ByteList& bytes) override;
    bool getChildNames(NameList& names) override;
    bool getKeyNames(NameList& names) override;
    bool deleteChild(const wchar_t* name) override;
    bool deleteKey(const wchar_t* key) override;

    // The key's text as the profile functions return it; false when the key is missing.
    virtual bool readRawString(const wchar_t* key, std::wstring& value);

private:
    std::wstring m_strFilePath;
    std::wstring m_strSection;
};

}  // namespace storage
