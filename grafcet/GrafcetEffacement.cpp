// Deleting and recovering. A deletion moves elements to the deleted list,
// which always holds exactly what the last deletion removed, and closes the
// gap in the chain; recovering appends them again, making room where their
// place was taken meanwhile.
#include "Grafcet.h"

#include "elements/Elements.h"

namespace {

bool EstEtape(short type) { return type == ETAPE_INITIALE || type == ETAPE; }

} // namespace

void Grafcet::RetireVersEffaces(std::size_t index)
{
    effaces.push_back(std::move(symboles[index]));
    symboles.erase(symboles.begin() + static_cast<long>(index));
    ++nbEfface;
    --nbAjout;
}

void Grafcet::Effacer(TPoint p, short cascade)
{
    // The point just below the deleted element, and the type of the element above it.
    TPoint q = p;
    short t1 = AUCUN;
    coord(q, t1);
    q.y += 2;
    TPoint r = p;
    short typeDebut = AUCUN;
    LDebut(r, typeDebut);
    r.y -= 2;
    const short t2 = LType(r);

    TPoint suivant = p;
    for (std::size_t i = 0; i < symboles.size(); ++i) {
        SGrafcet& e = *symboles[i];
        if (!e.Test(p))
            continue;
        t1 = e.LType();
        if (EstEtape(t1))
            suivant = TPoint(e.LX() + 15, e.LY() + 11); // inside its action block
        else if (t1 == ACTION && cascade == 0)
            suivant.x = e.LX() - 14; // on its step
        if (cascade == 0)
            VideEffaces();
        RetireVersEffaces(i);
        break;
    }
    if (EstEtape(t1) || t1 == TRANSITION)
        ELiaison();
    if (t2 != AUCUN)
        Efface(t1, q);
    if (suivant != p)
        Effacer(suivant, 1);
}

void Grafcet::Efface(short type, TPoint p, short)
{
    if (!Test(p))
        return;
    short dx = 0;
    short h = 0;
    CEInsere(dx, h, type, AUCUN);
    short dy = static_cast<short>(-h);
    short copie = dy;
    SelectS(p, 0, copie);
    SelectDiv(1, dy);
    VerifConv(CONV_OU);
    VerifConv(CONV_ET);
    Deplace(dx, dy);
}

void Grafcet::Effacer()
{
    VideEffaces();
    for (std::size_t i = 0; i < symboles.size();) {
        if (symboles[i]->LitModif() == 3)
            RetireVersEffaces(i);
        else
            ++i;
    }
}

void Grafcet::EffaceTout()
{
    VideEffaces();
    nbAjout = 0;
    nbEfface = 0;
    for (auto& s : symboles) {
        effaces.push_back(std::move(s));
        ++nbEfface;
    }
    symboles.clear();
}

void Grafcet::Recupere()
{
    nbEfface = 0;
    nbAjout = 0;
    ListeSymboles recuperes = std::move(effaces);
    effaces.clear();
    for (auto& e : recuperes) {
        const TPoint a(e->LX(), e->LY() + 1);
        if (Test(a)) {
            // Its place was taken: the chain there moves down to make room.
            short dx = 0;
            short h = 0;
            CEInsere(dx, h, e->LType(), AUCUN);
            short copie = h;
            SelectS(a, static_cast<short>(a.x), copie);
            SelectDiv(1, h);
            Deplace(dx, h);
        }
        symboles.push_back(std::move(e));
        ++nbAjout;
    }
}

void Grafcet::ELiaison()
{
    // Deleting the head or the end of a branch takes its link from the bar:
    // the bar is shortened to the rightmost branch that remains.
    for (const auto& e : effaces) {
        const short type = e->LType();
        if (!EstEtape(type) && type != TRANSITION)
            continue;
        const bool et = EstEtape(type);
        const short x = e->LX();
        const short y = e->LY();
        const short bas = static_cast<short>(e->LRect().bottom);
        short xmin = 0;
        short xmax = 0;

        TPoint dessus(x, y - 2);
        if (LSymb(dessus)) {
            LLiaison(dessus, xmin, xmax);
            const short xp = LXmax(xmin, xmax, x, y);
            if (et)
                Liaison(DIV_ET, TPoint(xp + 2, y - 2));
            else
                Liaison(DIV_OU, TPoint(xp, y));
        }
        TPoint dessous(x, bas);
        if (LSymb(dessous)) {
            LLiaison(dessous, xmin, xmax);
            const short xp = LXmax(xmin, xmax, x, bas);
            Liaison(et ? CONV_ET : CONV_OU, TPoint(xp, bas));
        }
    }
}

void Grafcet::Liaison(short type, TPoint p)
{
    for (auto& s : symboles) {
        if (s->LType() == type && s->Test(p)) {
            s->ELiaison(p);
            return;
        }
    }
}

short Grafcet::LXmax(short x, short limite, short exclu, short niveau) const
{
    const int plancher = x + 20;
    int meilleur = plancher;
    for (const auto& s : symboles) {
        const int sx = s->LX();
        if ((s->LY() == niveau || s->LRect().bottom == niveau) && plancher < sx && sx <= limite
            && sx != exclu && sx > meilleur)
            meilleur = sx;
    }
    return static_cast<short>(meilleur);
}
