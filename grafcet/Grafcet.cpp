#include "Grafcet.h"

#include "elements/Elements.h"

Grafcet::Grafcet() : drapeauEquation(0), nbAjout(0), nbEfface(0), nbErreurStruct(0), carte(0)
{
    symboles.reserve(11);
    effaces.reserve(11);
}

Grafcet::~Grafcet() = default;

void Grafcet::AjouteSymbole(std::unique_ptr<SGrafcet> s)
{
    if (s)
        symboles.push_back(std::move(s));
}

void Grafcet::Dessine(TDC& dc)
{
    for (auto& s : symboles)
        s->Dessine(dc);
}
