#pragma once

#include <string>

// Texts are held as bytes of the single-byte code page (Windows-1252). For
// display they become UTF-8; the three equation codes, which would show as a
// soft hyphen, a registered sign and a macron, become visible arrows and an
// overline: 0xAD rising edge U+2191, 0xAE falling edge U+2193, 0xAF
// negation U+203E. The conversion back maps them to the codes again.
std::string Cp1252VersUtf8(const std::string& octets);
// Characters with no Windows-1252 byte become "?"; returns whether all fitted.
bool Utf8VersCp1252(const std::string& utf8, std::string& octets);
