#include "elements/MacroEtapes.h"

// A copied macro element always restarts at number 0: the editor renumbers
// macro-steps and their expansions together.

Macro::Macro() : SGrafcet(), numero(-1), etat(false) {}
Macro::Macro(short px, short py)
    : SGrafcet(MACRO, px, py, px - 10, px + 10, py + HAUTEUR), numero(0), etat(false)
{
}
Macro::Macro(TPoint a) : Macro(static_cast<short>(a.x), static_cast<short>(a.y)) {}
Macro::Macro(TPoint a, const TRect& r, short n) : SGrafcet(MACRO, a, r), numero(n), etat(false) {}
Macro::Macro(const Macro* autre) : SGrafcet(autre), numero(0), etat(false) {}
Macro& Macro::operator=(const Macro* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        numero = 0;
        etat = false;
    }
    return *this;
}
short Macro::LNumero() { return numero; }
void Macro::MNumero(short n) { numero = n; }
short Macro::TailleMin() { return HAUTEUR; }
void Macro::SetEtat(bool actif) { etat = actif; }
void Macro::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritMot(f, numero);
}

MacroE::MacroE() : SGrafcet(), numero(-1), etat(false) {}
MacroE::MacroE(short px, short py)
    : SGrafcet(MACRO_E, px, py, px - 10, px + 10, py + HAUTEUR), numero(0), etat(false)
{
}
MacroE::MacroE(TPoint a) : MacroE(static_cast<short>(a.x), static_cast<short>(a.y)) {}
MacroE::MacroE(TPoint a, const TRect& r, short n)
    : SGrafcet(MACRO_E, a, r), numero(n), etat(false)
{
}
MacroE::MacroE(const MacroE* autre) : SGrafcet(autre), numero(0), etat(false) {}
MacroE& MacroE::operator=(const MacroE* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        numero = 0;
        etat = false;
    }
    return *this;
}
short MacroE::LNumero() { return numero; }
void MacroE::MNumero(short n) { numero = n; }
short MacroE::TailleMin() { return HAUTEUR; }
void MacroE::SetEtat(bool actif) { etat = actif; }
void MacroE::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritMot(f, numero);
}

MacroF::MacroF() : SGrafcet(), numero(-1), etat(false) {}
MacroF::MacroF(short px, short py)
    : SGrafcet(MACRO_F, px, py, px - 10, px + 10, py + HAUTEUR), numero(0), etat(false)
{
}
MacroF::MacroF(TPoint a) : MacroF(static_cast<short>(a.x), static_cast<short>(a.y)) {}
MacroF::MacroF(TPoint a, const TRect& r, short n)
    : SGrafcet(MACRO_F, a, r), numero(n), etat(false)
{
}
MacroF::MacroF(const MacroF* autre) : SGrafcet(autre), numero(0), etat(false) {}
MacroF& MacroF::operator=(const MacroF* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        numero = 0;
        etat = false;
    }
    return *this;
}
short MacroF::LNumero() { return static_cast<short>(numero); }
void MacroF::MNumero(short n) { numero = n; }
short MacroF::TailleMin() { return HAUTEUR; }
void MacroF::SetEtat(bool actif) { etat = actif; }
void MacroF::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritMot(f, static_cast<short>(numero));
}
