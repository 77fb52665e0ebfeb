#pragma once

#include <QString>

// The printing texts of the editor's string table: the error message, its
// reasons and caption, and the progress window's texts.
namespace textes::impression {

inline constexpr const char* SUR = " sur ";                                         // 32590
inline constexpr const char* NON_IMPRIMABLE = "'%1' non imprimable. %2.";            // 32591
inline constexpr const char* PLUS_DE_MEMOIRE = "Plus de mémoire";                    // 32592
inline constexpr const char* PLUS_D_ESPACE = "Plus d'espace disque";                 // 32593
inline constexpr const char* ANNULATION = "Annulation de l'impression";              // 32594
inline constexpr const char* ANNULEE_PAR_GESTIONNAIRE = "Impression annuler par le gestionnaire d'impression"; // 32595
inline constexpr const char* ERREUR = "Error encountered during print";              // 32596
inline constexpr const char* LEGENDE_ERREUR = "Erreur d'impression";                 // 32597

// The progress window (template 32599).
inline constexpr const char* LEGENDE_PROGRESSION = "Printing";
inline constexpr const char* EN_COURS = "Now printing";
inline constexpr const char* DOCUMENT_SUR = "'%1' on the";
inline constexpr const char* PERIPHERIQUE_SUR = "%1 on %2";
inline constexpr const char* ABANDON = "Cancel";

// The print preview's caption.
inline constexpr const char* APERCU = "Print Preview";

} // namespace textes::impression
