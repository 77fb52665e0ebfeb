#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// The component record: one signal of the operative part. It is copied by
// value and stored byte for byte in the operative-part file, so its layout
// is fixed: five one-byte numbers, a 16-byte label and a 51-byte designation.
struct composant {
    unsigned char categorie;    // category code, kept and saved, never read here
    unsigned char nature;       // 0 logical, 1 analog, 2 internal, 3 carriage, 4 step, 5 position, 10 constant
    unsigned char sens;         // 0 input, 1 output
    unsigned char indice;       // port byte, channel, memory number, step rank or function code
    unsigned char masque;       // bit inside the port byte for one-bit signals, else 0
    char label[16];             // NUL-terminated, at most 15 characters; the name used in equations
    char designation[51];       // NUL-terminated, at most 50 characters
};

static_assert(sizeof(composant) == 72, "the component record is 72 bytes on disk");
static_assert(offsetof(composant, categorie) == 0);
static_assert(offsetof(composant, nature) == 1);
static_assert(offsetof(composant, sens) == 2);
static_assert(offsetof(composant, indice) == 3);
static_assert(offsetof(composant, masque) == 4);
static_assert(offsetof(composant, label) == 5);
static_assert(offsetof(composant, designation) == 21);

// Text of a fixed record field: up to its first NUL, never past the field,
// even when a record read from a file has no NUL in it.
template <std::size_t N>
std::string LitChamp(const char (&champ)[N])
{
    return std::string(champ, strnlen(champ, N));
}

// Writes a text into a fixed record field, always NUL-terminated, the rest of
// the field zeroed. Returns false when the text was longer than the field can
// hold and had to be cut; producers should refuse such a text beforehand.
template <std::size_t N>
bool EcritChamp(char (&champ)[N], std::string_view texte)
{
    const std::size_t n = texte.size() < N - 1 ? texte.size() : N - 1;
    std::memset(champ, 0, N);
    std::memcpy(champ, texte.data(), n);
    return n == texte.size();
}

// Copies a record the way the component classes copy it: the five leading
// numbers and the two texts (up to their NUL, never past their field). The
// bytes after each NUL are zeroed rather than carried over, so whatever a
// damaged record held there is not propagated.
inline void CopieComposant(composant& dst, const composant& src)
{
    composant copie;
    copie.categorie = src.categorie;
    copie.nature = src.nature;
    copie.sens = src.sens;
    copie.indice = src.indice;
    copie.masque = src.masque;
    EcritChamp(copie.label, LitChamp(src.label));
    EcritChamp(copie.designation, LitChamp(src.designation));
    dst = copie;
}
