#pragma once
// A small JSON reader for the tests: one object, read into its leaves by path
// ("modes[0].name" -> "\"Typical Mode (default)\"", "limit" -> "10", "mode" -> "null"),
// strings kept as their JSON text decoded to UTF-8 inside the quotes.
#include <map>
#include <optional>
#include <string>

// Nothing when the text is not one well-formed JSON value followed only by white space.
std::optional<std::map<std::string, std::string>> ReadFlatJson(const std::string& text);
