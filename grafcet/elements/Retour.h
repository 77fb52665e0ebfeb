#pragma once

#include "elements/SGrafcet.h"

// A return link: it leaves the attach point of an element at its start
// (the anchor), runs horizontally to the column `left`, up to the level
// `bottom`, then horizontally to the column `right`, where it reaches the
// anchor of the target element. So its top is the start level and its
// bottom the (higher) end level.
class Retour : public SGrafcet {
public:
    Retour(short x, short y);
    explicit Retour(TPoint ancre);
    Retour(TPoint ancre, const TRect& r);
    Retour(TPoint debut, TPoint coin, TPoint fin);
    explicit Retour(const Retour* autre);
    Retour& operator=(const Retour* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    bool Test(TPoint p) override;
    void Deplace(short dx, short dy) override;
};
