#include "variables/Composant.h"

Composant::Composant() : comp{} {}

Composant::Composant(const composant& c) : comp{}
{
    CopieComposant(comp, c);
}

Composant::Composant(const Composant& autre) : comp{}
{
    CopieComposant(comp, autre.comp);
}

Composant& Composant::operator=(const Composant& autre)
{
    CopieComposant(comp, autre.comp);
    return *this;
}

void Composant::LComposant(composant& out) const
{
    out = comp;
}

void Composant::MComposant(const composant& c)
{
    CopieComposant(comp, c);
}

bool Composant::operator==(const Composant& autre) const
{
    return std::strncmp(comp.label, autre.comp.label, sizeof comp.label) == 0;
}
