#include "elements/Barres.h"

namespace {

// Adding a branch beyond the end of a bar extends the bar to reach it; the
// AND bars overhang their outermost branch by 2.
void Etend(TRect& r, short& liaison, TPoint p, int debord)
{
    ++liaison;
    if (p.x > r.right)
        r.right = p.x + debord;
}

void Retire(TRect& r, short& liaison, TPoint p)
{
    --liaison;
    r.right = p.x;
}

template <class Barre>
void CopieBarre(Barre* cible, const Barre* autre, short& liaison, short liaisonAutre)
{
    if (autre != cible) {
        cible->SGrafcet::operator=(autre);
        liaison = liaisonAutre;
    }
}

} // namespace

// ---- OR divergence ----

DivOu::DivOu(short px, short py) : SGrafcet(DIV_OU, px, py, px, px + 40, py + HAUTEUR) {}
DivOu::DivOu(TPoint a) : DivOu(static_cast<short>(a.x), static_cast<short>(a.y)) {}
DivOu::DivOu(TPoint a, const TRect& r, short n) : SGrafcet(DIV_OU, a, r)
{
    liaison = n;
    // Older files hold OR divergences of zero width: give them their usual width.
    if (rect.right == rect.left)
        rect.right = rect.left + 40;
}
DivOu::DivOu(const DivOu* autre) : SGrafcet(autre) { liaison = autre->liaison; }
DivOu& DivOu::operator=(const DivOu* autre)
{
    CopieBarre(this, autre, liaison, autre->liaison);
    return *this;
}
short DivOu::LLiaison(TPoint& p)
{
    p = TPoint(liaison == 0 ? rect.left : rect.right, rect.bottom);
    return liaison;
}
void DivOu::ALiaison(TPoint p) { Etend(rect, liaison, p, 0); }
void DivOu::ELiaison(TPoint p) { Retire(rect, liaison, p); }
bool DivOu::Test(TPoint p)
{
    // The bar's top row is not part of it, its bottom row is.
    if (rect.left <= p.x && p.x <= rect.right && y < p.y && p.y <= rect.bottom)
        return true;
    return p.x == x && p.y == y;
}
short DivOu::TailleMin() { return HAUTEUR; }

// ---- OR convergence ----

ConvOu::ConvOu(short px, short py) : SGrafcet(CONV_OU, px, py, px, px + 40, py + HAUTEUR)
{
    liaison = 1;
}
ConvOu::ConvOu(TPoint a) : ConvOu(static_cast<short>(a.x), static_cast<short>(a.y)) {}
ConvOu::ConvOu(TPoint a, const TRect& r, short n) : SGrafcet(CONV_OU, a, r) { liaison = n; }
ConvOu::ConvOu(const ConvOu* autre) : SGrafcet(autre) { liaison = autre->liaison; }
ConvOu& ConvOu::operator=(const ConvOu* autre)
{
    CopieBarre(this, autre, liaison, autre->liaison);
    return *this;
}
short ConvOu::LLiaison(TPoint& p)
{
    p = TPoint(rect.right, rect.top);
    return liaison;
}
void ConvOu::ALiaison(TPoint p) { Etend(rect, liaison, p, 0); }
void ConvOu::ELiaison(TPoint p) { Retire(rect, liaison, p); }
short ConvOu::TailleMin() { return HAUTEUR; }

// ---- AND divergence ----

DivEt::DivEt(short px, short py) : SGrafcet(DIV_ET, px, py, px - 2, px + 40, py + HAUTEUR) {}
DivEt::DivEt(TPoint a) : DivEt(static_cast<short>(a.x), static_cast<short>(a.y)) {}
DivEt::DivEt(TPoint a, const TRect& r, short n) : SGrafcet(DIV_ET, a, r) { liaison = n; }
DivEt::DivEt(const DivEt* autre) : SGrafcet(autre) { liaison = autre->liaison; }
DivEt& DivEt::operator=(const DivEt* autre)
{
    CopieBarre(this, autre, liaison, autre->liaison);
    return *this;
}
short DivEt::LLiaison(TPoint& p)
{
    p = TPoint(liaison == 0 ? rect.left + 2 : rect.right - 2, rect.bottom);
    return liaison;
}
void DivEt::ALiaison(TPoint p) { Etend(rect, liaison, p, 2); }
void DivEt::ELiaison(TPoint p) { Retire(rect, liaison, p); }
short DivEt::TailleMin() { return HAUTEUR; }

// ---- AND convergence ----

ConvEt::ConvEt(short px, short py) : SGrafcet(CONV_ET, px, py, px - 2, px + 40, py + HAUTEUR)
{
    liaison = 1;
}
ConvEt::ConvEt(TPoint a) : ConvEt(static_cast<short>(a.x), static_cast<short>(a.y)) {}
ConvEt::ConvEt(TPoint a, const TRect& r, short n) : SGrafcet(CONV_ET, a, r) { liaison = n; }
ConvEt::ConvEt(const ConvEt* autre) : SGrafcet(autre) { liaison = autre->liaison; }
ConvEt& ConvEt::operator=(const ConvEt* autre)
{
    CopieBarre(this, autre, liaison, autre->liaison);
    return *this;
}
short ConvEt::LLiaison(TPoint& p)
{
    p = TPoint(liaison == 0 ? rect.left : rect.right, y);
    return liaison;
}
void ConvEt::ALiaison(TPoint p) { Etend(rect, liaison, p, 2); }
void ConvEt::ELiaison(TPoint p) { Retire(rect, liaison, p); }
short ConvEt::TailleMin() { return HAUTEUR; }
