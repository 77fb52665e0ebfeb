#include "variables/Variable.h"

#include <charconv>
#include <cstdio>
#include <system_error>

Variable::Variable() : valeur(0), valeurF(0.0f), comp{} {}

Variable::Variable(const composant& c) : valeur(0), valeurF(0.0f), comp{}
{
    CopieComposant(comp, c);
}

Variable::Variable(const Variable& autre) : valeur(0), valeurF(0.0f), comp{}
{
    CopieComposant(comp, autre.comp);
}

Variable& Variable::operator=(const Variable& autre)
{
    CopieComposant(comp, autre.comp);
    valeur = 0;
    valeurF = 0.0f;
    return *this;
}

void Variable::MValeur(short v)
{
    valeur = v > 0 ? v : 0;
}

void Variable::MValeurF(float f)
{
    valeurF = f;
}

std::string Variable::LVariable()
{
    if (valeur < 0)
        valeur = 0;

    const std::string label = LitChamp(comp.label);
    char texte[128];
    if (comp.nature == 5) {
        // The real number is written with a point whatever the process
        // locale says: the run window of a French desktop would otherwise
        // show "1,500" and cut the text differently.
        char nombre[64];
        const auto fin = std::to_chars(nombre, nombre + sizeof nombre - 1,
                                       static_cast<double>(valeurF),
                                       std::chars_format::fixed, 3);
        if (fin.ec != std::errc())
            std::snprintf(nombre, sizeof nombre, "%s", "?");
        else
            *fin.ptr = '\0';
        std::snprintf(texte, sizeof texte, "%s =%s", label.c_str(), nombre);
    } else if (comp.nature == 1 || comp.nature == 3) {
        std::snprintf(texte, sizeof texte, "%s = %x  ", label.c_str(),
                      static_cast<unsigned>(valeur));
    } else {
        std::snprintf(texte, sizeof texte, "%s = %1d  ", label.c_str(), valeur);
    }
    return texte;
}

void Variable::LVariable(char* out)
{
    if (out == nullptr)
        return;
    // A large position value would not fit the caller's 32 bytes: cut it
    // rather than write past the buffer.
    const std::string texte = LVariable();
    std::snprintf(out, TAILLE_TEXTE, "%s", texte.c_str());
}

bool Variable::operator==(const Variable& autre) const
{
    return std::strncmp(comp.label, autre.comp.label, sizeof comp.label) == 0;
}
