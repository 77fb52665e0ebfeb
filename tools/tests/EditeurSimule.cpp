#include "EditeurSimule.h"

#include "Accroche.h"

#include "elements/SGrafcet.h"

bool EditeurSimule::Accroche(TPoint& p, short& type) const { return ::Accroche(g, p, type); }

void EditeurSimule::Clic(short outil, TPoint p)
{
    short type = AUCUN;
    Accroche(p, type);
    const TPoint q = p;
    if (!g.Test(p) && type != DIV_OU && type != DIV_ET && outil != RETOUR) {
        g.Ajoute(outil, p, type, 0);
    } else if (type == DIV_OU || type == DIV_ET) {
        TPoint h(p.x, p.y - 1);
        if (g.LDivergence(h) == 0) {
            h.y -= 1;
            g.AjouteDiv(outil, type, p, h);
        }
    } else if (type != AUCUN && outil != MACRO_E && outil != MACRO_F
               && !(outil == DIV_OU && type == TRANSITION)) {
        g.Insere(outil, p, type, q);
    }
}

void EditeurSimule::Branche(short outil, TPoint presse, TPoint relache)
{
    short type = AUCUN;
    Accroche(presse, type);
    TPoint s(presse.x, presse.y - 1);
    if (g.LDivergence(s) == 0)
        return;
    // The drag starts where the bar's last branch leaves it.
    TPoint u(s.x, s.y - 1);
    type = g.LType(u);
    if (type != DIV_OU && type != DIV_ET)
        return;
    TPoint p = relache;
    if (g.LDivergence(u) == 0)
        p = u;
    else
        p.y = u.y;
    u.y -= 1;
    if (!g.Test(p))
        g.AjouteDiv(outil, type, p, u);
}

void EditeurSimule::Relie(TPoint presse, TPoint relache)
{
    short type = AUCUN;
    Accroche(presse, type);
    if (type != CONV_OU && type != CONV_ET)
        return;
    TPoint u(presse.x, presse.y - 1);
    type = g.LType(u);
    short t = AUCUN;
    g.LDebut(u, t);
    TPoint p = relache;
    bool ok = Accroche(p, t);
    if (!ok)
        return;
    if (type == CONV_OU && t != TRANSITION) {
        TPoint r(p.x, p.y + 2);
        short t2 = AUCUN;
        if (g.coord(r, t2)) {
            p = r;
            t = t2;
        } else {
            g.Ajoute(TRANSITION, p, t, 0);
        }
    }
    if (type == CONV_ET && t != ETAPE_INITIALE && t != ETAPE)
        ok = false;
    p.y -= 1;
    if (t != CONV_OU && t != CONV_ET && ok)
        g.AjouteConv(t, type, u, p);
}

void EditeurSimule::Retour(TPoint depart, TPoint coin, TPoint cible)
{
    short type = AUCUN;
    Accroche(depart, type);
    if (type == AUCUN)
        return;
    if (type != TRANSITION && type != CONV_OU)
        g.Ajoute(TRANSITION, depart, type, 0);
    short t = AUCUN;
    if (g.LDebut(cible, t) && (t == ETAPE_INITIALE || t == ETAPE))
        g.AjouteRetour(depart, coin, cible);
}

bool EditeurSimule::DeplaceRegion(TRect sel, short dx, short dy)
{
    TRect limites;
    if (!g.LRegion(sel, limites))
        return false;
    const TRect cible(limites.left + dx, limites.top + dy, limites.right + dx,
                      limites.bottom + dy);
    if (g.TestRegion(cible)) {
        g.RazModif();
        return false;
    }
    g.Deplace(dx, dy);
    return true;
}
