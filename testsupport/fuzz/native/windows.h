#pragma once
// The Windows types that the natively fuzzed parsers name, and nothing else of Windows: a
// parser that calls Windows is fuzzed under Wine only.
#include <cstdint>

typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
