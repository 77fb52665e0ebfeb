#pragma once

#include <string>

class Grafcet;
class POpera;

// One generation run, as the editor's "Generer" command runs it: the
// structure pass, then the receptivity and action passes, the memory sizes,
// the card configuration and the closing "Z", then "\n". The three lines are
// the final texts of the generation dialog: structure, actions, receptivities.
struct ResultatGeneration {
    std::string texte;
    std::string ligneGrafcet;
    std::string ligneAction;
    std::string ligneReceptivite;
    bool reussi = false;
};

// The dialog's labels and texts.
namespace textesgeneration {
inline constexpr const char* LIBELLE_GRAFCET = "Grafcet :";
inline constexpr const char* LIBELLE_ACTION = "Action:";
inline constexpr const char* LIBELLE_RECEPTIVITE = "Réceptivité:";
inline constexpr const char* GENERE = "Généré";
inline constexpr const char* ERREUR_STRUCTURE = "Erreur Structure de Grafcet!";
inline constexpr const char* ERREUR_RECEPTIVITE = "Erreurs! Réceptivité non définie!";
inline constexpr const char* ERREUR_ACTION = "Erreurs! Action non définie!";
} // namespace textesgeneration

// `pop` must be a fresh operative part for the card and name: the passes
// modify it. SetPop and InitVI are done here.
ResultatGeneration GenereProgramme(Grafcet& g, char carte, const std::string& nom, POpera& pop);
