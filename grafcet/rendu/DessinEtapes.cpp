// Steps and macro elements: a box with its link lines and its number.
#include <cstdio>

#include "elements/Etape.h"
#include "elements/MacroEtapes.h"
#include "rendu/Style.h"

namespace {

std::string Format(const char* modele, int n)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, modele, n);
    return texte;
}

void Remplissage(TDC& dc, bool actif)
{
    const TColor c = actif ? style::ACTIVE : style::FOND_ETAPE;
    dc.SelectObject(TBrush(c));
    dc.SetBkColor(c);
}

void Libelle(TDC& dc, const std::string& texte, const TRect& r)
{
    dc.SetBkMode(TDC::TRANSPARENT);
    dc.SelectObject(style::Numeros());
    dc.DrawText(texte, -1, r, TDC::DT_CENTER);
}

} // namespace

void Etape::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Remplissage(dc, etat);
    if (erreur > 0)
        dc.SelectObject(style::STYLO_ERREUR);
    dc.MoveTo(x, y);
    dc.LineTo(x, y + 10);
    dc.MoveTo(x, y + 30);
    dc.LineTo(x, rect.bottom);
    dc.Rectangle(x - 10, y + 10, x + 10, y + 30);
    if (type == ETAPE_INITIALE)
        dc.Rectangle(x - 8, y + 12, x + 8, y + 28);
    const std::string texte = Format("%d", numero);
    Libelle(dc, texte, TRect(x - 8, y + 12, x + 8, y + 28));
    // The number again, left of the centre line; long numbers keep only
    // their first digits there.
    const int n = static_cast<int>(texte.size());
    dc.TextOut(x - 2 * n, y + 12, texte, n < 3 ? -1 : n - 3);
}

void Macro::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Remplissage(dc, etat);
    dc.MoveTo(x, y);
    dc.LineTo(x, y + 10);
    dc.MoveTo(x, y + 30);
    dc.LineTo(x, rect.bottom);
    dc.Rectangle(x - 10, y + 10, x + 10, y + 30);
    Libelle(dc, Format("M%d", numero), TRect(x - 10, y + 10, x + 10, y + 30));
    dc.MoveTo(x - 10, y + 23);
    dc.LineTo(x + 10, y + 23);
    dc.MoveTo(x - 10, y + 25);
    dc.LineTo(x + 10, y + 25);
}

void MacroE::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Remplissage(dc, etat);
    dc.Rectangle(x - 10, y, x + 10, y + 20);
    dc.MoveTo(x, y + 20);
    dc.LineTo(x, rect.bottom);
    Libelle(dc, Format("E%d", numero), TRect(x - 10, y + 5, x + 10, y + 20));
}

void MacroF::Dessine(TDC& dc)
{
    const TDC::Garde garde(dc);
    Remplissage(dc, etat);
    dc.MoveTo(x, y);
    dc.LineTo(x, y + 4);
    dc.Rectangle(x - 10, y + 4, x + 10, rect.bottom);
    Libelle(dc, Format("S%d", static_cast<short>(numero)), TRect(x - 10, y + 9, x + 10, rect.bottom));
}
