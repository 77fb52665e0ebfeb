#include "cible/PortsCarte.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Reglages.h"

namespace portscarte {

int PortSerie(const Reglages& r)
{
    const std::string v = r.Lit(CLE_SERIE, VALEUR_SERIE, "");
    if (v.empty() || v[0] < '1' || v[0] > '9')
        return 0;
    return v[0] - '0';
}

void EcritPortSerie(Reglages& r, int port)
{
    r.Ecrit(CLE_SERIE, VALEUR_SERIE, std::string(1, static_cast<char>('0' + port % 10)));
}

unsigned short AdresseParallele(const Reglages& r)
{
    const std::string v = r.Lit(CLE_PARALLELE, VALEUR_PARALLELE, "");
    char* fin = nullptr;
    const unsigned long a = std::strtoul(v.c_str(), &fin, 16);
    if (v.empty() || fin == v.c_str() || *fin != '\0' || a == 0 || a > 0xFFFF)
        return ADRESSE_DEFAUT;
    return static_cast<unsigned short>(a);
}

void EcritAdresseParallele(Reglages& r, unsigned short adresse)
{
    char texte[8];
    std::snprintf(texte, sizeof texte, "%x", adresse);
    r.Ecrit(CLE_PARALLELE, VALEUR_PARALLELE, texte);
}

bool AUnPort(int code) { return code == 1 || code == 6 || code == 7; }

} // namespace portscarte
