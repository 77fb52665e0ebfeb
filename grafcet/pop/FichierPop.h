#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The operative-part file, read into memory and walked block by block
// without ever reading past its end.
//
// Layout: a 16-bit block count; per block a 22-byte header (card type,
// read-only flag, 20-byte NUL-terminated name), a 16-bit record count and
// that many 72-byte component records. Little-endian.
namespace fichierpop {

constexpr std::size_t TAILLE_ENTETE = 22;
constexpr std::size_t TAILLE_RECORD = 72;

struct Bloc {
    std::size_t debut = 0;   // offset of the header
    std::size_t records = 0; // offset of the first record
    unsigned char carte = 0;
    unsigned char protege = 0;
    std::string nom;
    short nombre = 0;        // record count announced
    bool entier = false;     // every announced record is present
};

struct Contenu {
    std::vector<unsigned char> octets;
    short nbBlocs = 0;
    std::vector<Bloc> blocs;
    bool complet = true;     // every announced block and record is present
};

// Reads and indexes the file; false when it cannot be opened or read.
bool Lit(const std::string& chemin, Contenu& contenu, int& err);

inline short Mot(const unsigned char* p)
{
    return static_cast<short>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

inline void AjouteMot(std::vector<unsigned char>& v, short m)
{
    const auto u = static_cast<std::uint16_t>(m);
    v.push_back(static_cast<unsigned char>(u & 0xFF));
    v.push_back(static_cast<unsigned char>(u >> 8));
}

} // namespace fichierpop
