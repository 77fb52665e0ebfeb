#pragma once

#include <string>
#include <vector>

#include "variables/composant.h"

// The changes the target dialogs make to the operative-part file: list its
// blocks, remove one, append one. Every change reads the file afresh and
// writes the whole new content beside it before renaming it over the old
// one, so a failure leaves the file as it was. A damaged file (truncated,
// or with bytes after its last block) is never rewritten: the change is
// refused and the file kept for whoever can repair it.
namespace fichierparties {

// Longest name the header of a block holds (20 bytes with the NUL).
constexpr std::size_t LONGUEUR_NOM = 19;

struct Partie {
    unsigned char carte = 0;
    bool protege = false;    // factory part: never removed nor edited
    std::string nom;         // Windows-1252 bytes
};

// Reasons given in `erreur` are UTF-8 French text; they never quote a name,
// which is held in Windows-1252.

// The blocks of the file, in file order. False, with the reason in French,
// when the file cannot be read; `complet` tells whether the file is whole
// (the blocks before any damage are still listed).
bool Liste(const std::string& chemin, std::vector<Partie>& parties, bool& complet,
           std::string* erreur = nullptr);

enum class Resultat {
    Fait,
    Introuvable,  // no block of that card has that name
    Protege,      // the block is read-only
    NomPris,      // a block of that card already has that name
    NomInvalide,  // empty, or longer than the header holds
    Echec,        // the file could not be read, is damaged or could not be written
};

// Removes the first block of card `carte` named `nom` (exact comparison);
// the other blocks are kept byte for byte, in their order.
Resultat Enleve(const std::string& chemin, unsigned char carte, const std::string& nom,
                std::string* erreur = nullptr);

// Appends a block (flag 0) of card `carte` named `nom` with `records`, and
// adds one to the block count.
Resultat Ajoute(const std::string& chemin, unsigned char carte, const std::string& nom,
                const std::vector<composant>& records, std::string* erreur = nullptr);

} // namespace fichierparties
