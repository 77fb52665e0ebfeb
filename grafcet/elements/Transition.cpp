#include "elements/Transition.h"

Transition::Transition(short px, short py)
    : SGrafcet(TRANSITION, px, py, px - 4, px + 10, py + HAUTEUR), texte("1")
{
}

Transition::Transition(TPoint a) : Transition(static_cast<short>(a.x), static_cast<short>(a.y)) {}

Transition::Transition(TPoint a, const TRect& r, const char* t)
    : SGrafcet(TRANSITION, a, r), texte(t && *t ? t : "1")
{
}

Transition::Transition(const Transition* autre) : SGrafcet(autre), texte(autre->texte) {}

Transition& Transition::operator=(const Transition* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        texte = autre->texte;
    }
    return *this;
}


void Transition::LString(std::string& s) { s = texte; }

void Transition::MString(std::string s) { texte = std::move(s); }

short Transition::TailleMin() { return HAUTEUR; }

void Transition::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritTexte(f, texte);
}

void EcritTexte(FILE* f, const std::string& texte)
{
    // The container refuses to write a diagram whose texts do not fit the
    // 16-bit length, so the cast never truncates here.
    EcritMot(f, static_cast<short>(texte.size()));
    if (!texte.empty())
        std::fwrite(texte.data(), 1, texte.size(), f);
}
