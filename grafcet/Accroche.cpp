#include "Accroche.h"

#include "Grafcet.h"
#include "elements/SGrafcet.h"

bool Accroche(const Grafcet& g, TPoint& p, short& type)
{
    type = AUCUN;
    bool ok = g.coord(p, type);
    if (!ok) {
        short distance = 50;
        TPoint meilleur = p;
        g.SEL(p, distance, meilleur);
        if (distance < 20) {
            p = meilleur;
            ok = g.coord(p, type);
        }
    }
    if (type == ACTION) {
        p.x -= 20;
        ok = g.coord(p, type);
    }
    return ok;
}
