#pragma once
// The information pages are HTML resources (type 23) of the language module, stored as
// UTF-16 with a byte-order mark; older pages may lack the mark or be 8-bit text.
#include <windows.h>

#include <cstddef>
#include <string>

// UTF-16 when the first unit is the byte-order mark (skipped) or when the first five units
// read "<html" in any case; otherwise 8-bit text in the system's ANSI code page.
std::wstring DecodeHtmlResource(const void* pData, size_t nBytes);

// The text of HTML resource nId of hModule; empty when there is none.
std::wstring LoadHtmlResource(HMODULE hModule, UINT nId);
