#pragma once
// An INI file in a scratch folder, written as plain text, read back through the real profile
// functions.
#include <windows.h>

#include <string>

#include "IniFileStorage.h"
#include "SuiteFolders.h"

class IniTestFile {
public:
    explicit IniTestFile(const std::string& content) { testsupport::WriteTextFile(path(), content); }

    std::wstring path() const { return (m_folder / L"store.ini").wstring(); }
    std::string text() const { return testsupport::ReadTextFile(path()); }

    storage::IniFileStorage open(const wchar_t* section) const {
        storage::IniFileStorage store;
        store.open(section, path().c_str());
        return store;
    }

    void writeRaw(const wchar_t* section, const wchar_t* key, const std::wstring& value) const {
        WritePrivateProfileStringW(section, key, value.c_str(), path().c_str());
    }

private:
    testsupport::ScratchFolder m_folder;
};
