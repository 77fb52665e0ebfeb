#pragma once

#include "platform/TDC.h"

// The look of the elements: colours, fonts and the character pitch of the
// texts drawn one character at a time.
namespace style {

inline const TColor FOND_ETAPE = TColor::LtCyan;   // steps, macro boxes, action blocks
inline const TColor ACTIVE = TColor::LtRed;        // active steps and macro elements
inline const TPen STYLO_ERREUR(TColor::LtRed, 1, TPen::Solid);

inline TFont Numeros(bool italique = false) { return TFont("Times New Roman", 10, 3, italique); }
inline TFont Equations() { return TFont("Norim Fonts", 10, 3); }

// The equation codes: rising edge, falling edge, negation.
constexpr char FRONT_MONTANT = '\xAD';
constexpr char FRONT_DESCENDANT = '\xAE';
constexpr char NEGATION = '\xAF';

// Where the characters of an equation go, relative to their own origin.
struct GabaritEquation {
    int texteX, texteY;            // character cell corner
    int flecheX, flecheHaut, flecheBas; // edge arrow: column and its two ends
    int barreDebut, barreFin, barreY;   // overbar of a negated character
};

// Draws an equation one character at a time from (x, y): edges as arrows,
// negated characters overlined up to the next "." or "+".
void DessineEquation(TDC& dc, int x, int y, const std::string& texte, const GabaritEquation& g);

} // namespace style
