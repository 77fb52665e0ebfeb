#include "Grafcet.h"

Grafcet::Grafcet() { symboles.reserve(11); }

Grafcet::~Grafcet() = default;

void Grafcet::AjouteSymbole(std::unique_ptr<SGrafcet> s)
{
    if (s)
        symboles.push_back(std::move(s));
}
