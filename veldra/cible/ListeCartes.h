#pragma once

#include <string>
#include <vector>

// The card list file of the data directory ("LISTE.CAR"): a 16-bit count,
// that many 23-byte records (a 20-byte NUL-terminated name, the card code,
// two unused bytes), then the editing flag byte. Little-endian. The file is
// supplied with the program and only read here.
struct CarteListee {
    std::string nom;       // Windows-1252 bytes
    unsigned char code = 0;
};

struct ListeCartes {
    bool lue = false;            // the file was found and opened
    std::vector<CarteListee> cartes;
    bool edition = false;        // adding and removing operative parts is allowed
    bool complet = true;         // the count and every announced record are present

    // Reads the list of the data directory `donnees` (ending with "/"). The
    // file name is matched without regard to case. A truncated file keeps
    // the records read before the damage; a missing flag forbids editing.
    static ListeCartes Lit(const std::string& donnees);
};

// Full name of the file `nom` in `dossier` (ending with "/"), matched without
// regard to case when the exact name does not exist; the exact name when
// nothing matches.
std::string CheminSansCasse(const std::string& dossier, const std::string& nom);
