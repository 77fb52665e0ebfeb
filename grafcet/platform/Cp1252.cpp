#include "platform/Cp1252.h"

namespace {

// 0x80..0x9F; 0 where the code page has no character.
const char32_t PLAGE_80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Point(unsigned char o)
{
    switch (o) {
    case 0xAD:
        return 0x2191;
    case 0xAE:
        return 0x2193;
    case 0xAF:
        return 0x203E;
    default:
        break;
    }
    if (o >= 0x80 && o < 0xA0)
        return PLAGE_80[o - 0x80] ? PLAGE_80[o - 0x80] : 0xFFFD;
    return o;
}

void AjouteUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Cp1252VersUtf8(const std::string& octets)
{
    std::string s;
    s.reserve(octets.size());
    for (unsigned char o : octets)
        AjouteUtf8(s, Point(o));
    return s;
}

bool Utf8VersCp1252(const std::string& utf8, std::string& octets)
{
    octets.clear();
    bool tout = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto o = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        int suite = 0;
        if (o < 0x80) {
            c = o;
        } else if ((o & 0xE0) == 0xC0) {
            c = o & 0x1F;
            suite = 1;
        } else if ((o & 0xF0) == 0xE0) {
            c = o & 0x0F;
            suite = 2;
        } else if ((o & 0xF8) == 0xF0) {
            c = o & 0x07;
            suite = 3;
        } else {
            octets += '?';
            tout = false;
            ++i;
            continue;
        }
        ++i;
        bool valide = true;
        for (int k = 0; k < suite; ++k, ++i) {
            if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
                valide = false;
                break;
            }
            c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        }
        int trouve = -1;
        if (valide) {
            if (c < 0x80 || (c >= 0xA0 && c <= 0xFF && c != 0xAD && c != 0xAE && c != 0xAF))
                trouve = static_cast<int>(c);
            else if (c == 0x2191)
                trouve = 0xAD;
            else if (c == 0x2193)
                trouve = 0xAE;
            else if (c == 0x203E)
                trouve = 0xAF;
            for (int k = 0; k < 32 && trouve < 0; ++k) {
                if (PLAGE_80[k] && PLAGE_80[k] == c)
                    trouve = 0x80 + k;
            }
        }
        if (trouve < 0) {
            octets += '?';
            tout = false;
        } else {
            octets += static_cast<char>(trouve);
        }
    }
    return tout;
}
