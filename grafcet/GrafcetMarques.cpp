// Marks, moves, region selection, error marks, active states and numbering.
#include "Grafcet.h"

#include "elements/Elements.h"

namespace {

bool EstEtape(short type) { return type == ETAPE_INITIALE || type == ETAPE; }

bool DansRect(const TRect& r, int x, int y)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

} // namespace

void Grafcet::SetModif(TPoint p, short marque)
{
    for (auto& s : symboles) {
        if (!s->Test(p) || s->LitModif() == marque)
            continue;
        s->SetModif(marque);
        if (EstEtape(s->LType())) {
            // A step moves with its action block, which lies at its anchor + (14, 10).
            TPoint ancre = p;
            short type = AUCUN;
            LDebut(ancre, type);
            SetModif(TPoint(ancre.x + 20, ancre.y + 12), marque);
        }
        return;
    }
}

void Grafcet::RazModif()
{
    for (auto& s : symboles)
        s->SetModif(0);
}

void Grafcet::Deplace(short dx, short dy)
{
    for (auto& s : symboles)
        s->Deplace(dx, dy);
}

bool Grafcet::LRegion(TRect sel, TRect& limites)
{
    bool trouve = false;
    TRect r;
    for (auto& s : symboles) {
        if (!DansRect(sel, s->LX(), s->LY()))
            continue;
        s->SetModif(3);
        r = trouve ? r.Union(s->LRect()) : s->LRect();
        trouve = true;
    }
    if (trouve)
        limites = r;
    return trouve;
}

bool Grafcet::TestRegion(TRect r) const
{
    for (const auto& s : symboles) {
        if (DansRect(r, s->LX(), s->LY()) && s->LitModif() == 0)
            return true;
    }
    return false;
}

void Grafcet::EErreur(TPoint p)
{
    if (SGrafcet* s = LSymb(p))
        s->MErreur(1);
}

void Grafcet::RazErreur()
{
    for (auto& s : symboles)
        s->MErreur(0);
    erreurs.clear();
}

void Grafcet::SetEtat(const char* etats)
{
    if (!etats) {
        RazEtat();
        return;
    }
    // The state vector: the steps in list order, then the exit, entry and
    // macro-step elements, each group by macro number.
    const short s = LNbSymb(ETAPE);
    const short m = LNbSymb(MACRO);
    for (short k = 0; k < s; ++k) {
        if (SGrafcet* e = LSymb(k, ETAPE))
            e->SetEtat(etats[k] != 0);
    }
    const short groupes[3] = {MACRO_F, MACRO_E, MACRO};
    for (int g = 0; g < 3; ++g) {
        for (short k = 0; k < m; ++k) {
            if (SGrafcet* e = LSymb(k, groupes[g]))
                e->SetEtat(etats[s + g * m + k] != 0);
        }
    }
}

void Grafcet::RazEtat()
{
    for (auto& e : symboles) {
        const short type = e->LType();
        if (EstEtape(type) || type == MACRO || type == MACRO_E || type == MACRO_F)
            e->SetEtat(false);
    }
}

void Grafcet::NumEtape()
{
    short numero = 10;
    for (auto& e : symboles) {
        if (EstEtape(e->LType())) {
            e->MNumero(numero);
            numero = static_cast<short>(numero + 10);
        }
    }
}
