#include "ExempleAllerRetour.h"

#include <memory>

#include "Grafcet.h"
#include "elements/Elements.h"

void ConstruitAllerRetour(Grafcet& g)
{
    g.Place<Etape>(0, 100, 40)->MNumero(1);
    g.Place<Action>(114, 50);
    g.Place<Transition>(100, 74)->MString("dcy.a0");
    g.Place<Etape>(1, 100, 86)->MNumero(2);
    g.Place<Action>(114, 96)->MString("AVANCE|");
    g.Place<Transition>(100, 120)->MString("a1");
    g.Place<Etape>(1, 100, 132)->MNumero(3);
    g.Place<Action>(114, 142)->MString("RECULE|");
    g.Place<Transition>(100, 166)->MString("a0.\xAF" "dcy");
    g.Place<Retour>(TPoint(100, 178), TPoint(70, 0), TPoint(100, 40));
    g.Place<CText>(150, 10)->MString("Aller-retour d'un chariot");
}
