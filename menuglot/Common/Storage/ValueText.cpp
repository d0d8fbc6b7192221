#include "ValueText.h"

#include <cstdio>
#include <cwchar>
#include <iterator>

namespace storage {
namespace {

struct Escape {
    wchar_t character;
    wchar_t written[3];
};

// Searched in this order when reading.
constexpr Escape kEscapes[] = {
    {L'\n', L"\\n"}, {L'\t', L"\\t"}, {L'\v', L"\\v"}, {L'\b', L"\\b"},
    {L'\r', L"\\r"}, {L'\f', L"\\f"}, {L'\a', L"\\a"}, {L'\\', L"\\\\"},
};

unsigned scanHexPair(wchar_t first, wchar_t second) {
    const wchar_t pair[3] = {first, second, L'\0'};
    unsigned value = 0;
    std::swscanf(pair, L"%02X", &value);
    return value;
}

}  // namespace

std::wstring escapeText(const std::wstring& text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (wchar_t c : text) {
        const Escape* match = nullptr;
        for (const Escape& escape : kEscapes) {
            if (escape.character == c) {
                match = &escape;
                break;
            }
        }
        if (match) {
            escaped += match->written;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::wstring unescapeText(const std::wstring& text) {
    std::wstring plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Escape* match = nullptr;
        if (i + 1 < text.size()) {
            for (const Escape& escape : kEscapes) {
                if (text[i] == escape.written[0] && text[i + 1] == escape.written[1]) {
                    match = &escape;
                    break;
                }
            }
        }
        if (match) {
            plain += match->character;
            ++i;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

std::optional<std::int32_t> parseIntText(const std::wstring& text) {
    unsigned hex = 0;
    int decimal = 0;
    if (text.starts_with(L"dword:")) {
        if (std::swscanf(text.c_str(), L"dword:%X", &hex) == 1) return static_cast<std::int32_t>(hex);
    } else if (text.starts_with(L"0x")) {
        if (std::swscanf(text.c_str(), L"0x%X", &hex) == 1) return static_cast<std::int32_t>(hex);
    } else if (std::swscanf(text.c_str(), L"%d", &decimal) == 1) {
        return decimal;
    }
    return std::nullopt;
}

std::wstring encodeHexText(const ByteList& bytes) {
    std::wstring text = L"hex:";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        wchar_t pair[4] = {};
        std::swprintf(pair, std::size(pair), i + 1 < bytes.size() ? L"%02X," : L"%02X", bytes[i]);
        text += pair;
    }
    return text;
}

bool decodeHexText(const std::wstring& text, ByteList& bytes) {
    const std::size_t marker = text.find(L"hex:");
    if (marker == std::wstring::npos) return false;
    // Reading past the end yields NUL, as it would in the C string the list is stored as.
    const auto at = [&](std::size_t i) { return i < text.size() ? text[i] : L'\0'; };
    for (std::size_t i = marker + 4;; i += 3) {
        if (at(i) == L'\0' || at(i + 1) == L'\0') break;
        if (at(i + 2) == L'\0') {
            bytes.push_back(static_cast<std::uint8_t>(scanHexPair(at(i), at(i + 1))));
            break;
        }
        if (at(i + 2) == L',') bytes.push_back(static_cast<std::uint8_t>(scanHexPair(at(i), at(i + 1))));
    }
    return true;
}

}  // namespace storage
