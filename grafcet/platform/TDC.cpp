#include "platform/TDC.h"

namespace {

std::string Debut(const std::string& texte, int nombre)
{
    if (nombre < 0 || static_cast<std::size_t>(nombre) >= texte.size())
        return texte;
    return texte.substr(0, static_cast<std::size_t>(nombre));
}

} // namespace

void TDC::LineTo(int x, int y)
{
    Ligne(position, TPoint(x, y));
    position = TPoint(x, y);
}

void TDC::Rectangle(int gauche, int haut, int droite, int bas)
{
    Rect(TRect(gauche, haut, droite, bas));
}

void TDC::TextOut(int x, int y, const std::string& texte, int nombre)
{
    Texte(TPoint(x, y), Debut(texte, nombre));
}

void TDC::DrawText(const std::string& texte, int nombre, const TRect& r, unsigned)
{
    TexteCentre(r, Debut(texte, nombre));
}

int TDC::SetBkMode(int mode)
{
    const int avant = modeFond;
    modeFond = mode;
    return avant;
}

TColor TDC::SetBkColor(TColor couleur)
{
    const TColor avant = couleurFond;
    couleurFond = couleur;
    return avant;
}
