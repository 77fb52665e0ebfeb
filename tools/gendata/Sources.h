#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "variables/composant.h"

// What the readable sources of the data directory describe, already in the
// product's code page and within the limits of the on-disk records.

struct CarteSource {
    std::string nom;            // at most 19 bytes
    unsigned char code;
    int ligne;
};

struct ListeCartesSource {
    std::vector<CarteSource> cartes;
    unsigned char edition = 0;  // 1: operative parts may be added and removed
};

struct ConstanteSource {
    short numero;
    float valeur;
    int ligne;
};

struct ComposantSource {
    composant rec;
    int ligne;
};

struct PartieSource {
    std::string fichier;        // as named in messages
    int ligneCarte = 0;
    int ligneNom = 0;
    unsigned char carte = 0;
    unsigned char protege = 1;
    std::string nom;            // at most 19 bytes
    std::vector<ComposantSource> composants;  // in the order of the source file
};

struct Donnees {
    std::string fichierCartes;
    std::string fichierConstantes;
    ListeCartesSource cartes;
    std::vector<ConstanteSource> constantes;
    std::vector<PartieSource> parties;  // in the order of their file names
};

// Limits of the on-disk fields, in bytes of the code page.
constexpr std::size_t MAX_LABEL = sizeof(composant::label) - 1;
constexpr std::size_t MAX_DESIGNATION = sizeof(composant::designation) - 1;
constexpr std::size_t MAX_NOM = 19;

// Reads "cartes.txt", "constantes.txt" and every "parties/*.txt" of the
// sources directory. Each malformed line is reported in `diag` and skipped.
Donnees LitSources(const std::filesystem::path& dossier, Diagnostics& diag);
