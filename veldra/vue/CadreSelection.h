#pragma once

#include <array>

#include "platform/TPoint.h"

class QPainter;

// The frame around the selection, with its grab handles at the corners and
// in the middle of each side, in diagram coordinates. The view paints it in
// selection mode over the diagram.
class CadreSelection {
public:
    // Style flags: the handles lie outside the frame instead of inside it;
    // the band of handle thickness along the inside of the frame is hatched.
    enum : unsigned { POIGNEES_DEHORS = 1, BORD_HACHURE = 16 };
    // What a point touches: a handle (clockwise from the top-left corner),
    // the inside of the frame, or nothing.
    enum Zone { DEHORS = -1, HAUT_GAUCHE, HAUT, HAUT_DROITE, DROITE, BAS_DROITE, BAS, BAS_GAUCHE, GAUCHE, DEDANS };

    // The frame's corners may come in any order; a thickness below 1 is 1.
    CadreSelection(const TRect& cadre, unsigned style, int epaisseur);

    const TRect& Cadre() const { return cadre; }
    unsigned Style() const { return style; }
    int Epaisseur() const { return epaisseur; }

    // The eight handles, in the order of the zones; each covers its left and
    // top edges, not its right and bottom ones.
    std::array<TRect, 8> Poignees() const;
    Zone HitTest(TPoint p) const;

    // Paints on a painter that maps diagram coordinates to the device.
    void Peint(QPainter& p) const;

private:
    TRect cadre;
    unsigned style;
    int epaisseur;
};
