// Creation mode: a click adds an element of the tool's type at the end of a
// chain, inserts it inside one, starts a branch below a divergence, or
// starts a return link.
#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "edition/Edition.h"
#include "elements/SGrafcet.h"
#include "vue/Select.h"
#include "vue/veldraWindowView.h"

namespace edition {

namespace {

template <class Bande>
void Commence(veldraWindowView& v, TPoint p)
{
    v.Tracker = std::make_unique<Bande>(&v);
    const QPoint o = v.Decalage();
    v.Tracker->Start(p, v.Zoom, static_cast<short>(o.x()), static_cast<short>(o.y()));
}

} // namespace

void PresseCreation(veldraWindowView& v, TPoint p)
{
    Grafcet* g = v.Doc->PGraf();
    if (!g)
        return;
    short type = AUCUN;
    Accroche(*g, p, type);
    const TPoint q = p;
    const short outil = v.Tool;
    if (!g->Test(p) && type != DIV_OU && type != DIV_ET && outil != RETOUR) {
        g->Ajoute(outil, p, type, 0);
    } else if (type == DIV_OU || type == DIV_ET) {
        TPoint h(p.x, p.y - 1);
        if (g->LDivergence(h) == 0) {
            h.y -= 1;
            g->AjouteDiv(outil, type, p, h); // the first branch, at once
        } else {
            Commence<DivSelect>(v, h); // the next one is dragged out
            v.Tracking = 1;
        }
    } else if (outil == RETOUR && type != AUCUN) {
        if (type != TRANSITION && type != CONV_OU)
            g->Ajoute(TRANSITION, p, type, 0);
        Commence<RetourSelect>(v, p);
        v.Tracking = 1;
        v.ClickCount = 1;
    } else if (type != AUCUN && outil != MACRO_E && outil != MACRO_F
               && !(outil == DIV_OU && type == TRANSITION)) {
        g->Insere(outil, p, type, q);
    }
    v.Modifie();
    v.Repeint();
}

void PresseRetour(veldraWindowView& v, TPoint p)
{
    Grafcet* g = v.Doc->PGraf();
    if (!g || !v.Tracker)
        return;
    if (v.ClickCount == 1) {
        // The second click fixes the column of the link's vertical run.
        const QPoint o = v.Decalage();
        v.Tracker->Start(p, v.Zoom, static_cast<short>(o.x()), static_cast<short>(o.y()));
        v.Tracking = 1;
        v.ClickCount = 2;
        return;
    }
    // The third click: on a step, the link goes there; anywhere else it is abandoned.
    short type = AUCUN;
    if (g->LDebut(p, type) && (type == ETAPE_INITIALE || type == ETAPE))
        g->AjouteRetour(v.Tracker->GetPoint(0), v.Tracker->GetPoint(2), p);
    v.ClickCount = 0;
    v.Tracker.reset();
    v.Modifie();
    v.Repeint();
}

void PresseLiaison(veldraWindowView& v, TPoint p)
{
    Grafcet* g = v.Doc->PGraf();
    if (!g)
        return;
    short type = AUCUN;
    Accroche(*g, p, type);
    if ((type == CONV_OU || type == CONV_ET) && v.ClickCount == 0) {
        Commence<DivSelect>(v, p);
        v.Tracking = 1;
    }
}

void RelacheBranche(veldraWindowView& v, TPoint p)
{
    Grafcet* g = v.Doc->PGraf();
    const TPoint s = v.Tracker->GetPoint(0);
    TPoint u(s.x, s.y - 1);
    const short type = g ? g->LType(u) : AUCUN;
    bool change = false;
    if (type == DIV_OU || type == DIV_ET) {
        if (g->LDivergence(u) == 0)
            p = u;
        else
            p.y = u.y;
        u.y -= 1;
        if (!g->Test(p)) {
            g->AjouteDiv(v.Tool, type, p, u);
            change = true;
        }
    } else if (type == CONV_OU || type == CONV_ET) {
        short t = AUCUN;
        g->LDebut(u, t);
        bool ok = Accroche(*g, p, t);
        if (ok) {
            if (type == CONV_OU && t != TRANSITION) {
                TPoint r(p.x, p.y + 2);
                short t2 = AUCUN;
                if (g->coord(r, t2)) {
                    p = r;
                    t = t2;
                } else {
                    g->Ajoute(TRANSITION, p, t, 0); // an OR branch ends with a transition
                    change = true;
                }
            }
            if (type == CONV_ET && t != ETAPE_INITIALE && t != ETAPE)
                ok = false; // an AND branch ends with a step
            p.y -= 1;
            if (t != CONV_OU && t != CONV_ET && ok) {
                g->AjouteConv(t, type, u, p);
                change = true;
            }
        }
    }
    v.Tracker.reset();
    v.Tracking = 0;
    if (change)
        v.Modifie();
    v.Repeint();
}

} // namespace edition
