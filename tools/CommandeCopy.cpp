// copy: reads a diagram and writes it back, never leaving a half-written target.
#include <iostream>

#include "Commandes.h"
#include "Grafcet.h"
#include "io/EcritureSure.h"

int CommandeCopy(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::cerr << "usage : veldra-cli copy ENTREE.gra SORTIE.gra\n";
        return STATUT_USAGE;
    }
    Grafcet g;
    const int statut = LitDiagramme(args[0], g);
    if (statut == STATUT_ILLISIBLE)
        return statut;
    // An incomplete input is still copied (what could be read), and said so.
    std::string erreur;
    if (!EcritureSure(args[1], [&g](FILE* f) { return g.EFichier(f); }, &erreur)) {
        std::cerr << "veldra-cli: " << erreur << '\n';
        return STATUT_ECRITURE;
    }
    if (statut == STATUT_INCOMPLET)
        std::cerr << "incomplete\n";
    return statut;
}
