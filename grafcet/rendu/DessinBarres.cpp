// Divergence and convergence bars, and return links.
#include "elements/Barres.h"
#include "elements/Retour.h"
#include "rendu/Style.h"

namespace {

void Ligne(TDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

} // namespace

void DivOu::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Ligne(dc, x, rect.bottom, rect.right, rect.bottom);
    Ligne(dc, x, y, x, rect.bottom);
}

void ConvOu::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    if (erreur > 0)
        dc.SelectObject(style::STYLO_ERREUR);
    Ligne(dc, x, rect.top, rect.right, rect.top);
    Ligne(dc, x, y, x, rect.bottom);
}

void DivEt::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Ligne(dc, rect.left, rect.top, rect.right, rect.top);
    Ligne(dc, rect.left, rect.bottom, rect.right, rect.bottom);
}

void ConvEt::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Ligne(dc, rect.left, rect.top, rect.right, rect.top);
    Ligne(dc, rect.left, rect.bottom, rect.right, rect.bottom);
}

void Retour::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    dc.MoveTo(x, y);
    dc.LineTo(rect.left, y);
    dc.LineTo(rect.left, rect.bottom);
    dc.LineTo(rect.right, rect.bottom);
    // The arrow in the middle of the vertical run, pointing up.
    const int m = (rect.top + rect.bottom) / 2;
    dc.MoveTo(rect.left - 5, m + 5);
    dc.LineTo(rect.left, m);
    dc.LineTo(rect.left + 5, m + 5);
}
