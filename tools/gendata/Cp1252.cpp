#include "Cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// Bytes 0x80 to 0x9F of the code page; 0 where the code page has no character.
constexpr std::array<char32_t, 32> PLAGE_80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::string Point(char32_t c)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "U+%04X", static_cast<unsigned>(c));
    return texte;
}

// Decodes one character at `i`, advancing `i`; nullopt when the bytes are
// not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> Decode(std::string_view s, std::size_t& i)
{
    const auto o = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = o(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t n;
    char32_t c;
    char32_t minimum;
    if ((b0 & 0xE0) == 0xC0) {
        n = 1, c = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 2, c = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 3, c = b0 & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + n >= s.size())
        return std::nullopt;
    for (std::size_t k = 1; k <= n; ++k) {
        if ((o(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (o(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    i += n + 1;
    return c;
}

} // namespace

std::optional<std::string> VersCp1252(std::string_view utf8, std::string& raison)
{
    std::string sortie;
    sortie.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = Decode(utf8, i);
        if (!c) {
            raison = "texte qui n'est pas de l'UTF-8 valide";
            return std::nullopt;
        }
        if (*c < 0x20 || *c == 0x7F || (*c >= 0x80 && *c < 0xA0)) {
            raison = "caractère de contrôle " + Point(*c) + " interdit";
            return std::nullopt;
        }
        if (*c >= 0xAD && *c <= 0xAF) {
            raison = "caractère " + Point(*c)
                   + " interdit : son octet est réservé aux fronts et à la négation";
            return std::nullopt;
        }
        if (*c <= 0xFF) {
            sortie.push_back(static_cast<char>(*c));
            continue;
        }
        bool trouve = false;
        for (std::size_t k = 0; k < PLAGE_80.size(); ++k) {
            if (PLAGE_80[k] == *c) {
                sortie.push_back(static_cast<char>(0x80 + k));
                trouve = true;
                break;
            }
        }
        if (!trouve) {
            raison = "caractère " + Point(*c) + " absent de la page de code Windows-1252";
            return std::nullopt;
        }
    }
    return sortie;
}

std::string DepuisCp1252(std::string_view octets)
{
    std::string sortie;
    for (const char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = PLAGE_80[b - 0x80] != 0 ? PLAGE_80[b - 0x80] : 0xFFFD;
        if (c < 0x80) {
            sortie.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            sortie.push_back(static_cast<char>(0xC0 | (c >> 6)));
            sortie.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            sortie.push_back(static_cast<char>(0xE0 | (c >> 12)));
            sortie.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            sortie.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return sortie;
}
