#include "variables/Constante.h"

#include <cstdint>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
              "the constants file holds 32-bit IEEE floats");

constante DecodeConstante(const OctetsConstante& o)
{
    constante c;
    c.numero = static_cast<short>(static_cast<std::uint16_t>(o[0] | (o[1] << 8)));
    const std::uint32_t bits = static_cast<std::uint32_t>(o[2])
                             | static_cast<std::uint32_t>(o[3]) << 8
                             | static_cast<std::uint32_t>(o[4]) << 16
                             | static_cast<std::uint32_t>(o[5]) << 24;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    c.valeur = f;
    return c;
}

OctetsConstante EncodeConstante(const constante& c)
{
    const auto numero = static_cast<std::uint16_t>(c.numero);
    const float f = c.valeur;
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return {
        static_cast<unsigned char>(numero & 0xFF),
        static_cast<unsigned char>(numero >> 8),
        static_cast<unsigned char>(bits & 0xFF),
        static_cast<unsigned char>((bits >> 8) & 0xFF),
        static_cast<unsigned char>((bits >> 16) & 0xFF),
        static_cast<unsigned char>(bits >> 24),
    };
}

Constante::Constante() : c{} {}

Constante::Constante(const constante& rec) : c(rec) {}
