// Chain editing: adding at the end of a chain, inserting inside one, the
// branches of divergences and convergences, and return links. The missing
// transition or step is inserted automatically, so that steps and
// transitions always alternate.
#include "Grafcet.h"

#include "elements/Elements.h"

namespace {

bool EstEtape(short type) { return type == ETAPE_INITIALE || type == ETAPE; }

} // namespace

void Grafcet::VaAuBout(TPoint& p) const
{
    p.y += 2;
    short type = AUCUN;
    coord(p, type);
}

void Grafcet::PlaceEtape(short type, TPoint p)
{
    Place<Etape>(type, p);
    // The action block is placed apart from p, so that p never ends on it.
    Place<Action>(TPoint(p.x + 14, p.y + 10));
}

void Grafcet::CEInsere(short& dx, short& dy, short type, short precedent) const
{
    dx = 0;
    switch (type) {
    case ETAPE_INITIALE:
    case ETAPE:
        dy = static_cast<short>(Etape::HAUTEUR + (EstEtape(precedent) ? Transition::HAUTEUR : 0));
        break;
    case TRANSITION:
        dy = static_cast<short>(Transition::HAUTEUR + (precedent == TRANSITION ? Etape::HAUTEUR : 0));
        break;
    case DIV_OU:
        dy = DivOu::HAUTEUR;
        break;
    case CONV_OU:
        dy = ConvOu::HAUTEUR;
        break;
    case DIV_ET:
    case CONV_ET:
        dy = DivEt::HAUTEUR;
        break;
    case MACRO:
        dy = Macro::HAUTEUR;
        break;
    default:
        dy = 0;
        break;
    }
}

void Grafcet::Ajoute(short type, TPoint& p, short precedent, short)
{
    ++nbAjout;
    bool place = true;
    bool automatique = false; // an element was inserted before the requested one
    switch (type) {
    case ETAPE_INITIALE:
    case ETAPE:
        if (EstEtape(precedent) || precedent == MACRO || precedent == MACRO_E) {
            Place<Transition>(p);
            VaAuBout(p);
            automatique = true;
        }
        PlaceEtape(type, p);
        if (type == ETAPE_INITIALE)
            ++nbAjout;
        break;
    case TRANSITION:
        if (precedent == TRANSITION) {
            PlaceEtape(ETAPE, p);
            VaAuBout(p);
            automatique = true;
        }
        Place<Transition>(p);
        break;
    case DIV_OU:
        if (EstEtape(precedent) || precedent == MACRO_E)
            Place<DivOu>(p);
        else
            place = false;
        break;
    case CONV_OU:
        if (EstEtape(precedent)) {
            Place<Transition>(p);
            VaAuBout(p);
            automatique = true;
        }
        Place<ConvOu>(p);
        break;
    case DIV_ET:
        if (precedent != TRANSITION) {
            Place<Transition>(p);
            VaAuBout(p);
            automatique = true;
        }
        Place<DivEt>(p);
        break;
    case CONV_ET:
        // An AND convergence closes steps and is always followed by its transition.
        if (EstEtape(precedent)) {
            Place<ConvEt>(p);
            VaAuBout(p);
            Place<Transition>(p);
        } else {
            place = false;
        }
        break;
    case MACRO:
        Place<Macro>(p);
        break;
    case MACRO_E:
        Place<MacroE>(p);
        break;
    case MACRO_F:
        Place<MacroF>(p);
        break;
    case COMMENTAIRE:
        Place<CText>(p);
        break;
    default:
        place = false;
        break;
    }
    if (place && !automatique && type != COMMENTAIRE)
        VaAuBout(p);
}

void Grafcet::Insere(short type, TPoint& p, short precedent, TPoint posPrecedent)
{
    if (type == precedent)
        return;
    const TPoint q(p.x, p.y + 1);

    short dx = 0;
    short h = 0;
    CEInsere(dx, h, type, precedent);
    short h0 = h;

    // A stretched element that ends at the insertion point gives back its
    // slack first: it shrinks, the new element starts higher and the chain
    // below moves only by what is still missing.
    short mou = 0;
    if (precedent != AUCUN) {
        SGrafcet* e = LSymb(posPrecedent);
        if (e && e->LRect().bottom == p.y) {
            const int m = e->LRect().bottom - e->LY() - e->TailleMin();
            if (m > 0 && m <= h) {
                mou = static_cast<short>(m);
                e->SetModif(8);
                h = static_cast<short>(h - mou);
            }
        }
    }

    short deplacement = h;
    short copie = h;
    SelectS(p, static_cast<short>(p.x), copie);
    SelectDiv(1, deplacement);
    if (deplacement < 0) {
        VerifConv(CONV_OU);
        VerifConv(CONV_ET);
    }
    Deplace(dx, deplacement);

    if (mou > 0)
        p.y -= mou;
    Ajoute(type, p, precedent, h0);

    if (type == DIV_OU || type == DIV_ET) {
        // The new divergence counts the chain below it as its first branch.
        for (auto& s : symboles) {
            if (s->LType() == type && s->Test(q)) {
                s->ALiaison(q);
                break;
            }
        }
    }
}

void Grafcet::AjouteDiv(short type, short typeDiv, TPoint branche, TPoint posDiv)
{
    for (auto& s : symboles) {
        if (s->LType() == typeDiv && s->Test(posDiv)) {
            s->ALiaison(branche);
            break;
        }
    }
    short precedent = typeDiv;
    if (typeDiv == DIV_OU && EstEtape(type)) {
        Ajoute(TRANSITION, branche, DIV_OU); // an OR branch starts with a transition
        precedent = TRANSITION;
    } else if (typeDiv == DIV_ET && type == TRANSITION) {
        Ajoute(ETAPE, branche, DIV_ET); // an AND branch starts with a step
        precedent = ETAPE;
    }
    Ajoute(type, branche, precedent);
}

void Grafcet::AjouteConv(short, short, TPoint posConv, TPoint finBranche)
{
    TPoint c = finBranche;
    LPoint(c);
    int trouves = 0;
    bool plusBas = false;
    for (auto& s : symboles) {
        if (trouves >= 2)
            break;
        if (s->Test(posConv)) {
            s->ALiaison(c);
            ++trouves;
        } else if (s->Test(finBranche)) {
            ++trouves;
            if (s->LRect().bottom < posConv.y)
                s->MTaille(2, posConv); // the branch is stretched down to the bar
            else
                plusBas = true;
        }
    }
    if (plusBas) {
        // The branch reaches lower than the bar: the bar and what follows go down.
        TPoint d = finBranche;
        short type = AUCUN;
        coord(d, type);
        const short t = static_cast<short>(d.y - posConv.y);
        short copie = t;
        SelectS(posConv, static_cast<short>(finBranche.x), copie);
        // Divergences below the bar take their other branches along.
        short deplacement = t;
        SelectDiv(1, deplacement);
        Deplace(0, t);
    }
}

void Grafcet::AjouteRetour(TPoint debut, TPoint coin, TPoint fin)
{
    Place<Retour>(debut, coin, fin);
}
