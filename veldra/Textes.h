#pragma once

#include <QString>

// The editor's French texts that several windows share: hints of menu items
// and buttons (keyed by command id), the document manager's messages and the
// names of the target cards.
namespace textes {

// The hint shown in the status bar for a command or a pop-up menu id; empty
// when there is none.
QString Indication(int id);

// The caption of the "Cible" menu's card item: "Simulation", "KR40", "ORBAN",
// "582913", "Tolb", "EPP", "COM", "Raskel"; empty for any other code.
QString NomCarte(int code);

// The document manager's messages.
inline constexpr const char* FICHIER = "&Fichier";                                   // 32500
inline constexpr const char* TYPE_DOCUMENT = "--Document Type--";                    // 32501
inline constexpr const char* TYPE_VUE = "--View Type--";                             // 32502
inline constexpr const char* GRAFCET = "Grafcet";                                    // 32503
inline constexpr const char* IMPOSSIBLE_OUVRIR = "Impossible d'ouvrir le grafcet";   // 32504
inline constexpr const char* IMPOSSIBLE_FERMER = "Impossible de fermer le grafcet";  // 32505
inline constexpr const char* ERREUR_LECTURE = "Erreur de lecture du document";       // 32506
inline constexpr const char* ERREUR_ECRITURE = "Erreur d'écriture du document";      // 32507
inline constexpr const char* DOCUMENT_CHANGE = "Le document a changé.\n\nVoulez vous l'enregistrer?"; // 32508
inline constexpr const char* DOCUMENT_INCHANGE = "Le document n'a pas changé";       // 32509
inline constexpr const char* PAS_DE_GESTIONNAIRE = "Le gestionnaire de document n'est pas présent"; // 32510
inline constexpr const char* MEMOIRE = "Mémoire insuffisante pour visualiser";        // 32511
inline constexpr const char* DEJA_CHARGE = "Le document est déjà chargé!";           // 32512

inline constexpr const char* FILTRE_GRAFCET = "Grafcet (*.gra)";
inline constexpr const char* FILTRE_NOMENCLATURE = "Nomenclature (*.lst)";

} // namespace textes
