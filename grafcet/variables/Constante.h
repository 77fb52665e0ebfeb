#pragma once

#include <array>
#include <cstddef>

// A numbered constant of the position-controlled card. In the constants
// file it is 6 bytes with no padding: the 16-bit number then the 32-bit IEEE
// float, little-endian. In memory the record keeps its natural alignment, so
// it is read and written through DecodeConstante and EncodeConstante, never
// by copying its bytes.
struct constante {
    short numero;   // matched against the index of a named-constant component
    float valeur;
};

constexpr std::size_t TAILLE_CONSTANTE = 6;
static_assert(sizeof(constante::numero) + sizeof(constante::valeur) == TAILLE_CONSTANTE,
              "the constant record is 6 bytes on disk");
using OctetsConstante = std::array<unsigned char, TAILLE_CONSTANTE>;

// The file's byte order is spelled out here rather than left to the host.
constante DecodeConstante(const OctetsConstante& octets);
OctetsConstante EncodeConstante(const constante& c);

// One constant; two constants are the same when their numbers are equal,
// whatever their values.
class Constante {
public:
    Constante();
    explicit Constante(const constante& c);

    short LNumero() const { return c.numero; }
    float LValeur() const { return c.valeur; }
    constante LConstante() const { return c; }

    bool operator==(const Constante& autre) const { return c.numero == autre.c.numero; }

private:
    constante c;
};
