#include "elements/Retour.h"

Retour::Retour(short px, short py) : SGrafcet(RETOUR, px, py, px, px + 40, py + 6) {}

Retour::Retour(TPoint a) : Retour(static_cast<short>(a.x), static_cast<short>(a.y)) {}

Retour::Retour(TPoint a, const TRect& r) : SGrafcet(RETOUR, a, r) {}

Retour::Retour(TPoint debut, TPoint coin, TPoint fin)
    : SGrafcet(RETOUR, static_cast<short>(debut.x), static_cast<short>(debut.y), coin.x, fin.x,
               fin.y)
{
}

Retour::Retour(const Retour* autre) : SGrafcet(autre) {}

Retour& Retour::operator=(const Retour* autre)
{
    SGrafcet::operator=(autre);
    return *this;
}


bool Retour::Test(TPoint p)
{
    if ((p.x == x && p.y == y) || (p.x == x && p.y == y + 1))
        return true;
    if (!(rect.bottom < p.y && p.y < rect.top))
        return false;
    if (rect.left < rect.right)
        return rect.left - 5 <= p.x && p.x < rect.right;
    if (rect.left > rect.right)
        return rect.right < p.x && p.x <= rect.left + 5;
    return false;
}

void Retour::Deplace(short dx, short dy)
{
    if (modif != 1) {
        SGrafcet::Deplace(dx, dy);
        return;
    }
    // Only the start follows the chain it leaves; the column and the target stay.
    x = static_cast<short>(x + dx);
    y = static_cast<short>(y + dy);
    rect.top += dy;
    modif = 0;
}
