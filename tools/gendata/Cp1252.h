#pragma once

#include <optional>
#include <string>
#include <string_view>

// Converts UTF-8 text to the product's single-byte code page (Windows-1252).
// Refuses, with the reason in French in `raison`: malformed UTF-8, control
// characters, characters that have no byte in the code page, and the three
// characters whose bytes the product reserves for the rising edge, the
// falling edge and the negation (U+00AD, U+00AE, U+00AF).
std::optional<std::string> VersCp1252(std::string_view utf8, std::string& raison);

// The reverse conversion, for quoting converted texts in messages.
std::string DepuisCp1252(std::string_view octets);
