#pragma once

#include <cstdio>
#include <string>

// The number fields of the program text: upper-case hexadecimal, at least
// as many digits as the field, more when the value needs them; a negative
// value prints its 32-bit two's complement (eight digits).
namespace hexa {

inline std::string Champ(int v, int chiffres)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "%*.*X", chiffres, chiffres, static_cast<unsigned>(v));
    return texte;
}

inline std::string X1(int v) { return Champ(v, 1); }
inline std::string X2(int v) { return Champ(v, 2); }
inline std::string X4(int v) { return Champ(v, 4); }
inline std::string X8(int v) { return Champ(v, 8); }

// Reads a number the way "%d" (base 10) or "%x" (base 16) does: leading
// blanks, an optional sign, then digits. False when there is no digit.
bool Lit(const std::string& texte, int base, int& out);

} // namespace hexa
