#include "ExempleAllerRetour.h"

#include <memory>

#include "Grafcet.h"
#include "elements/Elements.h"

namespace {

template <class T, class... Args>
T* Ajoute(Grafcet& g, Args&&... args)
{
    auto s = std::make_unique<T>(std::forward<Args>(args)...);
    T* brut = s.get();
    g.AjouteSymbole(std::move(s));
    return brut;
}

} // namespace

void ConstruitAllerRetour(Grafcet& g)
{
    Ajoute<Etape>(g, 0, 100, 40)->MNumero(1);
    Ajoute<Action>(g, 114, 50);
    Ajoute<Transition>(g, 100, 74)->MString("dcy.a0");
    Ajoute<Etape>(g, 1, 100, 86)->MNumero(2);
    Ajoute<Action>(g, 114, 96)->MString("AVANCE|");
    Ajoute<Transition>(g, 100, 120)->MString("a1");
    Ajoute<Etape>(g, 1, 100, 132)->MNumero(3);
    Ajoute<Action>(g, 114, 142)->MString("RECULE|");
    Ajoute<Transition>(g, 100, 166)->MString("a0.\xAF" "dcy");
    Ajoute<Retour>(g, TPoint(100, 178), TPoint(70, 0), TPoint(100, 40));
    Ajoute<CText>(g, 150, 10)->MString("Aller-retour d'un chariot");
}
