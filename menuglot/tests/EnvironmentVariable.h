#pragma once
// Sets an environment variable for the programs a test starts, and puts it back afterwards.
#include <windows.h>

#include <optional>
#include <string>

class EnvironmentVariable {
public:
    EnvironmentVariable(const wchar_t* name, const std::wstring& value) : m_name(name) {
        std::wstring previous(32767, L'\0');
        const DWORD length = GetEnvironmentVariableW(name, previous.data(), static_cast<DWORD>(previous.size()));
        if (length > 0 && length < previous.size()) m_previous = previous.substr(0, length);
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentVariable() { SetEnvironmentVariableW(m_name, m_previous ? m_previous->c_str() : nullptr); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const wchar_t* m_name;
    std::optional<std::wstring> m_previous;
};
