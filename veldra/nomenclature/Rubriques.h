#pragma once

#include <QString>
#include <vector>

#include "variables/composant.h"

class POpera;
class ListV;

// What both nomenclatures list: the components grouped by kind of signal,
// the pair (nature, sens) of their record, each kind under its heading.
namespace nomenclature {

struct Categorie {
    short nature = 0;
    short sens = 0;
    bool operator==(const Categorie&) const = default;
};

// The components of one kind, in the order of their position (from 0).
struct Rubrique {
    Categorie categorie;
    std::vector<composant> composants;
};
using Liste = std::vector<Rubrique>;

// The orders in which the kinds are listed. The diagram nomenclature has no
// constants.
const std::vector<Categorie>& OrdreCibleEcran();
const std::vector<Categorie>& OrdreCiblePapier();
const std::vector<Categorie>& OrdreGrafEcran();
const std::vector<Categorie>& OrdreGrafPapier();

// The heading of a kind ("Entrée logique" ...); empty for a pair no
// nomenclature lists.
QString Entete(Categorie c);
// The name of a card in the nomenclature (code 3 is "PUX" here, not the
// menu's "582913"); empty for an unknown code.
QString NomCarte(unsigned char code);

// The fixed texts of the layout.
inline constexpr const char* CARTE_COMMANDE = "Carte Commande :";
inline constexpr const char* PARTIE_OPERATIVE = "Partie opérative :";
inline constexpr const char* LABEL = "Label";
inline constexpr const char* DESIGNATION = "Désignation";
inline constexpr const char* TITRE_CIBLE = "Nomenclature cible";
inline constexpr const char* TITRE_GRAFCET = "Nomenclature grafcet";

// The components of each kind of `ordre`, read by position.
Liste ListeDe(const POpera& pop, const std::vector<Categorie>& ordre);
Liste ListeDe(const ListV& variables, const std::vector<Categorie>& ordre);
// The same kinds in another order (kinds `liste` lacks come out empty).
Liste Reordonne(const Liste& liste, const std::vector<Categorie>& ordre);
// The number of listed components.
int Nombre(const Liste& liste);

} // namespace nomenclature

struct SelectionCible;

namespace nomenclature {

// The card, operative part and data directory selected for the application;
// when the application has set none yet (no data directory), those of the
// settings store.
SelectionCible SelectionApplication();

} // namespace nomenclature
