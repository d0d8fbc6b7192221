#pragma once
// How typed values are stored as the text of an INI key.
#include <cstdint>
#include <optional>
#include <string>

#include "StorageInterface.h"

namespace storage {

// Control characters and the backslash become two-character escapes ("\n", "\\" ...).
std::wstring escapeText(const std::wstring& text);
std::wstring unescapeText(const std::wstring& text);

// "dword:<hex>", "0x<hex>" or decimal; nothing when no field converts.
std::optional<std::int32_t> parseIntText(const std::wstring& text);

// "hex:0A,FF,10"; decodeHexText appends what it decodes and is false without "hex:".
std::wstring encodeHexText(const ByteList& bytes);
bool decodeHexText(const std::wstring& text, ByteList& bytes);

}  // namespace storage
