#pragma once

#include <vector>

#include "Sources.h"

// The exact bytes of the three files of the data directory (little-endian,
// no padding): the card list, the operative-part file and the constants file.
using Octets = std::vector<unsigned char>;

constexpr std::size_t TAILLE_CARTE = 23;
constexpr std::size_t TAILLE_ENTETE = 22;

Octets ImageListeCartes(const ListeCartesSource& cartes);
Octets ImageParties(const std::vector<PartieSource>& parties);
Octets ImageConstantes(const std::vector<ConstanteSource>& constantes);
