#include "elements/Etape.h"

Etape::Etape() : SGrafcet(), numero(-1), etat(false) {}

Etape::Etape(short t, short px, short py)
    : SGrafcet(t, px, py, px - 10, px + 10, py + HAUTEUR), numero(1), etat(false)
{
}

Etape::Etape(short t, TPoint ancre)
    : Etape(t, static_cast<short>(ancre.x), static_cast<short>(ancre.y))
{
}

Etape::Etape(short t, TPoint ancre, const TRect& r, short n)
    : SGrafcet(t, ancre, r), numero(n), etat(false)
{
}

Etape::Etape(const Etape* autre) : SGrafcet(autre), numero(autre->numero), etat(false) {}

Etape& Etape::operator=(const Etape* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        numero = autre->numero;
        etat = false;
    }
    return *this;
}


short Etape::LNumero() { return numero; }

void Etape::MNumero(short n) { numero = n; }

short Etape::TailleMin() { return HAUTEUR; }

void Etape::SetEtat(bool actif) { etat = actif; }

void Etape::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritMot(f, numero);
}
