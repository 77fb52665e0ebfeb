#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

#include "nomenclature/Rubriques.h"

class QPainter;
class QRect;

// The layout both nomenclatures share: a two-column table of labels and
// designations under the card and operative-part lines, drawn on the
// screen as one long list and on paper page by page. Coordinates are
// logical units of the drawing surface; line r lies at y = r × h.
namespace nomenclature {

// The x positions of the layout.
inline constexpr int X_GAUCHE = 50;       // table's left edge; card and operative-part captions
inline constexpr int X_ENTETE = 55;       // kind heading
inline constexpr int X_TITRE = 150;       // printed title
inline constexpr int X_NOM = 200;         // card and operative-part names; rule of the first kinds
inline constexpr int X_BORD_LABEL = 250;  // left edge of the label column
inline constexpr int X_LABEL = 255;
inline constexpr int X_REGLE = 310;       // rule between label and designation
inline constexpr int X_DESIGNATION = 315;
inline constexpr int X_PAGE = 400;        // printed page number
inline constexpr int X_DROITE = 700;      // table's right edge

// The first body line: lines 1 to 5 carry the title, the card, the
// operative part and the column headings.
inline constexpr int PREMIERE_LIGNE = 6;

// What lines 2 and 3 show.
struct EnTete {
    QString carte;
    QString nomPop;
};

// The font of a nomenclature window that has none of its own: "Arial",
// 12 units high, normal weight.
QFont PoliceParDefaut();
// The line height: the font's height plus its external leading, plus 2 on
// the screen; on paper 10 when the font gives no usable height.
int HauteurEcran(const QFont& police);
int HauteurPapier(const QFont& police);

// ---- screen ----

// What a body line of the screen holds: component `rang` of kind `rubrique`
// of the list, or (rang -1) the frame of an empty kind.
struct LigneEcran {
    int rubrique = 0;
    int rang = 0;
};
// The body lines, from line 6, in list order. Each kind with components
// takes one line per component. The first kind (the logical inputs) is
// always framed: when it is empty its frame and heading take one line of
// their own, so that its heading never lies over the next kind's.
std::vector<LigneEcran> LignesEcran(const Liste& liste);

struct StyleEcran {
    QColor couleurLabel;
    // The kinds whose component lines start at x 250 (the others at x 200)
    // and whose texts lie 1 unit lower.
    std::vector<Categorie> decalees;
    // The kind after which the vertical rule at x 200 closes the first kinds.
    Categorie finRegleNom{3, 1};
};

// Paints the list as the screen shows it, in the painter's current
// coordinates (the caller applies the scroll offset). The background is
// the caller's.
void PeintEcran(QPainter& p, const QFont& police, const EnTete& entete, const Liste& liste,
                const StyleEcran& style);

// ---- paper ----

// Pages of `nombre` entries on a page `hauteurPage` units high: the body of
// each page holds L − 6 entries (L lines of h fit on the page), and the
// count is ⌊nombre / (L − 6)⌋ + 1, so that a count that fills its last page
// exactly gives one more page carrying only the heading lines. A page too
// short for one body line (L ≤ 6) counts as one page of headings.
int NombrePages(int hauteurPage, int h, int nombre);

// Paints page `page` (from 1) in `rect`, the list in its paper order. A
// page number outside the page count paints nothing.
void PeintPage(QPainter& p, const QFont& police, const EnTete& entete, const QString& titre,
               const Liste& liste, int page, const QRect& rect);

} // namespace nomenclature
