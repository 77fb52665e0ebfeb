// Chain marking: before an insertion or a deletion moves part of the
// diagram, marks tell each element how it must follow (whole, only its
// bottom, only its top). Stretched elements absorb a downward move when
// their slack matches it, so parallel branches stay level.
#include "Grafcet.h"

#include <vector>

#include "elements/Elements.h"

namespace {

bool EstEtape(short type) { return type == ETAPE_INITIALE || type == ETAPE; }

int Mou(SGrafcet& e) { return e.LRect().bottom - e.LY() - e.TailleMin(); }

} // namespace

void Grafcet::SelectS(TPoint p, short x0, short& dy) { MarqueChaine(p, x0, dy, true); }

void Grafcet::MarqueChaine(TPoint p, short x0, short& dy, bool absorbe)
{
    TPoint cur = p;
    bool trouve = true;
    while (trouve && dy != 0) {
        const short t = LType(cur);
        if (t != AUCUN) {
            SGrafcet* e = LSymb(cur);
            const short m = e->LitModif();
            if (m != 1) {
                if (t == CONV_OU || t == CONV_ET)
                    SelectConv(cur, x0, dy);
                if (absorbe && Mou(*e) == dy && m != 4) {
                    e->SetModif(4); // its top follows, its bottom stays
                    dy = 0;
                }
                if (dy != 0) {
                    e->SetModif(1);
                    if (EstEtape(t))
                        SetModif(TPoint(cur.x + 20, cur.y + 12), 1);
                    // Below a divergence that moves whole, every branch and the
                    // convergence that closes them move too: a stretched
                    // element there must not absorb the move.
                    if (t == DIV_OU || t == DIV_ET)
                        absorbe = false;
                }
            }
        }
        short type = AUCUN;
        trouve = coord(cur, type);
        cur.y += 1;
    }
}

void Grafcet::SelectDiv(short marque, short& dy)
{
    // Indexed loop: marking a branch never adds or removes elements.
    for (std::size_t i = 0; i < symboles.size(); ++i) {
        SGrafcet& d = *symboles[i];
        const short type = d.LType();
        if ((type != DIV_OU && type != DIV_ET) || d.LitModif() != marque)
            continue;
        TPoint lp;
        const short n = d.LLiaison(lp);
        for (short k = 0; k < n; ++k) {
            const TPoint b = LDivergence(k, n, lp);
            // The divergence moves whole, so each branch follows whole, with
            // the whole move: none of them absorbs it.
            short dyBranche = dy;
            MarqueChaine(TPoint(b.x, b.y + 1), static_cast<short>(lp.x), dyBranche, false);
        }
    }
}

void Grafcet::SelectConv(TPoint p, short x0, short& dy)
{
    short xmin = 0;
    short xmax = 0;
    TPoint barre = p;
    if (!LSymb(p))
        return;
    LLiaison(barre, xmin, xmax);
    for (auto& e : symboles) {
        const int bas = e->LRect().bottom;
        if (xmin <= e->LX() && e->LX() <= xmax && (bas == p.y - 1 || bas == p.y)
            && e->LX() != x0 && e->LitModif() == 0) {
            // Every other branch keeps reaching the bar: its end shrinks within
            // its slack (7) or is stretched (2); both move only its bottom.
            e->SetModif(dy < 0 && Mou(*e) + dy >= 0 ? 7 : 2);
        }
    }
}

void Grafcet::VerifConv(short type)
{
    const short nombre = LNbSymb(type);
    for (short k = 0; k < nombre; ++k) {
        SGrafcet* c = LSymb(k, type);
        if (!c || c->LitModif() != 1)
            continue;
        TPoint lp;
        const short n = c->LLiaison(lp);
        const int xmin = c->LRect().left;
        const int xmax = c->LRect().right;
        const int niveau = lp.y;

        auto arrivees = [&] {
            std::vector<SGrafcet*> liste;
            for (auto& e : symboles) {
                if (static_cast<short>(liste.size()) >= n)
                    break;
                if (xmin <= e->LX() && e->LX() <= xmax && e->LRect().bottom == niveau)
                    liste.push_back(e.get());
            }
            return liste;
        };

        bool bloquee = false;
        for (SGrafcet* e : arrivees()) {
            if (e->LitModif() == 2) {
                e->SetModif(0);
                bloquee = true;
            }
        }
        if (!bloquee)
            continue;
        // A branch cannot follow: the bar and what follows it stay, and the
        // moving branch's last element is stretched to keep reaching the bar.
        c->SetModif(0);
        for (SGrafcet* e : arrivees()) {
            if (e->LitModif() == 1)
                e->SetModif(4);
            else if (e->LitModif() == 7)
                e->SetModif(0);
        }
        DemarqueSuite(*c);
    }
}

void Grafcet::DemarqueSuite(SGrafcet& convergence)
{
    // Walks down from the bar's attach point and takes the whole-move mark
    // back from the chain that follows it, its action blocks included, and
    // from the branches of the divergences met on the way.
    std::vector<TPoint> aVoir{TPoint(convergence.LX(), convergence.LRect().bottom + 1)};
    while (!aVoir.empty()) {
        TPoint cur = aVoir.back();
        aVoir.pop_back();
        for (;;) {
            SGrafcet* e = LSymb(cur);
            if (e && e->LitModif() == 1) {
                e->SetModif(0);
                if (EstEtape(e->LType())) {
                    if (SGrafcet* a = LSymb(TPoint(e->LX() + 20, e->LY() + 12));
                        a && a->LType() == ACTION && a->LitModif() == 1)
                        a->SetModif(0);
                }
                if (e->LType() == DIV_OU || e->LType() == DIV_ET) {
                    for (auto& b : symboles) {
                        if (b->LY() == e->LRect().bottom && b->LX() > e->LX()
                            && b->LX() <= e->LRect().right && b->LitModif() == 1)
                            aVoir.push_back(TPoint(b->LX(), b->LY() + 1));
                    }
                }
            }
            short type = AUCUN;
            if (!coord(cur, type))
                break;
            cur.y += 1;
        }
    }
}
