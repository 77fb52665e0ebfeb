#include "cible/RecordsParties.h"

#include <cstdio>

namespace recordsparties {

namespace {

composant Record(int categorie, int nature, int sens, int indice, int masque, const char* label)
{
    composant c{};
    c.categorie = static_cast<unsigned char>(categorie);
    c.nature = static_cast<unsigned char>(nature);
    c.sens = static_cast<unsigned char>(sens);
    c.indice = static_cast<unsigned char>(indice);
    c.masque = static_cast<unsigned char>(masque);
    EcritChamp(c.label, label);
    return c;
}

// The internal-variable templates every generated part ends with.
void AjouteModeles(std::vector<composant>& v)
{
    v.push_back(Record(0, 2, 0, 0, 0, "t/x"));
    v.push_back(Record(0, 2, 1, 0, 0, "Mxx"));
    v.push_back(Record(0, 2, 0, 0, 0, "Bxx"));
}

// The bits `premier` to `dernier` of one port of an interface chip. The
// letter is upper case for an output, lower case for an input; `puce` is
// the chip number shown after it (0: none).
void AjoutePort(std::vector<composant>& v, int categorie, bool sortie, int indice, char lettre,
                int puce, int premier, int dernier)
{
    const char l = sortie ? lettre : static_cast<char>(lettre - 'A' + 'a');
    for (int b = premier; b <= dernier; ++b) {
        char label[16];
        if (puce)
            std::snprintf(label, sizeof label, "%c%d%d", l, puce, b);
        else
            std::snprintf(label, sizeof label, "%c%d", l, b);
        v.push_back(Record(categorie, 0, sortie ? 1 : 0, indice, 1 << b, label));
    }
}

// The four ports of one chip: A, B, C bits 0-3, C bits 4-7.
void AjoutePuce(std::vector<composant>& v, int categorie, const bool* sorties, int indice0, int puce)
{
    AjoutePort(v, categorie, sorties[0], indice0, 'A', puce, 0, 7);
    AjoutePort(v, categorie, sorties[1], indice0 + 1, 'B', puce, 0, 7);
    AjoutePort(v, categorie, sorties[2], indice0 + 2, 'C', puce, 0, 3);
    AjoutePort(v, categorie, sorties[3], indice0 + 2, 'C', puce, 4, 7);
}

} // namespace

std::vector<composant> Simulation(int entrees, int sorties)
{
    std::vector<composant> v;
    for (int i = 0; i < sorties + entrees; ++i) {
        char label[16];
        const bool sortie = i < sorties;
        if (sortie)
            std::snprintf(label, sizeof label, "S%d", i + 1);
        else
            std::snprintf(label, sizeof label, "e%d", i - sorties + 1);
        v.push_back(Record(0, 0, sortie ? 1 : 0, i / 8, 1 << (i % 8), label));
    }
    AjouteModeles(v);
    return v;
}

std::vector<composant> Orban(const std::array<bool, 4>& sorties)
{
    std::vector<composant> v;
    AjoutePuce(v, 11, sorties.data(), 0, 0);
    // The analog output and input of the card.
    v.push_back(Record(4, 1, 1, 3, 0, "V"));
    v.push_back(Record(5, 1, 0, 4, 0, "v"));
    AjouteModeles(v);
    return v;
}

std::vector<composant> Pux(const std::array<bool, 8>& sorties)
{
    std::vector<composant> v;
    AjoutePuce(v, 8, sorties.data(), 0, 1);
    AjoutePuce(v, 7, sorties.data() + 4, 3, 2);
    AjouteModeles(v);
    return v;
}

int LitNombre(const std::string& texte)
{
    const std::string debut = texte.substr(0, 8);
    int n = 0;
    if (std::sscanf(debut.c_str(), "%d", &n) != 1)
        return 0;
    // Negative counts mean no signal of that kind.
    if (n < 0)
        return 0;
    return n > MAX_SIMULATION ? MAX_SIMULATION : n;
}

} // namespace recordsparties
