#include "IniFileStorage.h"

#include <windows.h>

#include "IniPath.h"
#include "ProfileText.h"
#include "ValueText.h"

namespace storage {
namespace {

// The profile functions cannot tell a missing key from one holding the default, so a key is
// read against two different defaults.
constexpr wchar_t kSentinel1[] = L"DEFAULT_VALUE1";
constexpr wchar_t kSentinel2[] = L"DEFAULT_VALUE2";

bool equalsIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

bool startsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The section and every section below it, in file order.
std::vector<std::wstring> findSectionTree(const std::wstring& file, const std::wstring& section) {
    std::vector<std::wstring> tree;
    for (const auto& name : getSectionNames(file)) {
        if (equalsIgnoringCase(name, section) || startsWithIgnoringCase(name, section + L"\\")) {
            tree.push_back(name);
        }
    }
    return tree;
}

// A section counts as present when only a section below it exists.
bool sectionExists(const std::wstring& file, const std::wstring& section) {
    return !findSectionTree(file, section).empty();
}

bool readWithSentinels(const std::wstring& section, const std::wstring& key, const std::wstring& file,
                       std::wstring& value) {
    for (const wchar_t* sentinel : {kSentinel1, kSentinel2}) {
        std::wstring text = readProfileString(section, key.c_str(), sentinel, file);
        if (text != sentinel) {
            value = std::move(text);
            return true;
        }
    }
    return false;
}

}  // namespace

bool IniFileStorage::open(const wchar_t* section, const wchar_t* file) {
    const std::wstring resolved = resolveIniPath(file);
    if (resolved.empty() || !sectionExists(resolved, section)) return false;
    m_strFilePath = resolved;
    m_strSection = section;
    return isOpen();
}

bool IniFileStorage::openOrCreate(const wchar_t* section, const wchar_t* file) {
    const std::wstring resolved = resolveIniPath(file);
    if (resolved.empty()) return false;
    if (!sectionExists(resolved, section)) {
        // An empty entry list ends with two NULs.
        if (!WritePrivateProfileSectionW(section, L"\0", resolved.c_str())) return false;
    }
    m_strFilePath = resolved;
    m_strSection = section;
    return isOpen();
}

bool IniFileStorage::isOpen() const { return !m_strFilePath.empty() && !m_strSection.empty(); }

std::unique_ptr<StorageInterface> IniFileStorage::openChild(const wchar_t* name) {
    auto child = std::make_unique<IniFileStorage>();
    if (!child->open(joinSectionPath(m_strSection, name).c_str(), m_strFilePath.c_str())) return nullptr;
    return child;
}

std::unique_ptr<StorageInterface> IniFileStorage::createChild(const wchar_t* name) {
    auto child = std::make_unique<IniFileStorage>();
    if (!child->openOrCreate(joinSectionPath(m_strSection, name).c_str(), m_strFilePath.c_str())) return nullptr;
    return child;
}

void IniFileStorage::close() {
    m_strFilePath.clear();
    m_strSection.clear();
}

bool IniFileStorage::writeInt(const wchar_t* key, std::int32_t value) {
    return WritePrivateProfileStringW(m_strSection.c_str(), key, std::to_wstring(value).c_str(),
                                      m_strFilePath.c_str()) != FALSE;
}

bool IniFileStorage::readInt(const wchar_t* key, std::int32_t& value) {
    std::wstring text;
    if (!readString(key, text)) return false;
    const auto parsed = parseIntText(text);
    if (!parsed) return false;
    value = *parsed;
    return true;
}

bool IniFileStorage::writeString(const wchar_t* key, const std::wstring& value) {
    // The enclosing quotes keep leading and trailing blanks; the profile functions drop them
    // again when reading.
    const std::wstring text = L"\"" + escapeText(value) + L"\"";
    return WritePrivateProfileStringW(m_strSection.c_str(), key, text.c_str(), m_strFilePath.c_str()) != FALSE;
}

bool IniFileStorage::readString(const wchar_t* key, std::wstring& value) {
    std::wstring raw;
    if (!readRawString(key, raw)) return false;
    value = unescapeText(raw);
    return true;
}

bool IniFileStorage::writeBinary(const wchar_t* key, const ByteList& bytes) {
    if (bytes.empty()) return false;
    return WritePrivateProfileStringW(m_strSection.c_str(), key, encodeHexText(bytes).c_str(),
                                      m_strFilePath.c_str()) != FALSE;
}

bool IniFileStorage::readBinary(const wchar_t* key, ByteList& bytes) {
    std::wstring raw;
    return readRawString(key, raw) && decodeHexText(raw, bytes);
}

bool IniFileStorage::getChildNames(NameList& names) {
    const std::wstring prefix = m_strSection + L"\\";
    for (const auto& name : getSectionNames(m_strFilePath)) {
        if (!startsWithIgnoringCase(name, prefix)) continue;
        std::wstring rest = name.substr(prefix.size());
        if (rest.find(L'\\') == std::wstring::npos) names.push_back(std::move(rest));
    }
    return true;
}

bool IniFileStorage::getKeyNames(NameList& names) {
    for (auto& key : getProfileKeyNames(m_strSection, m_strFilePath)) names.push_back(std::move(key));
    return true;
}

bool IniFileStorage::deleteChild(const wchar_t* name) {
    for (const auto& section : findSectionTree(m_strFilePath, joinSectionPath(m_strSection, name))) {
        if (!WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, m_strFilePath.c_str())) return false;
    }
    return true;
}

bool IniFileStorage::deleteKey(const wchar_t* key) {
    return WritePrivateProfileStringW(m_strSection.c_str(), key, nullptr, m_strFilePath.c_str()) != FALSE;
}

bool IniFileStorage::readRawString(const wchar_t* key, std::wstring& value) {
    // A key written with double quotes around its name is found by the plain name too.
    return readWithSentinels(m_strSection, key, m_strFilePath, value) ||
           readWithSentinels(m_strSection, L"\"" + std::wstring(key) + L"\"", m_strFilePath, value);
}

}  // namespace storage
