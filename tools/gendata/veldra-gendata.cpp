// veldra-gendata SOURCES_DIR OUTPUT_DIR: builds the default data directory
// (card list, factory operative parts, constants) from its readable sources.
#include <cstdio>
#include <string>
#include <vector>

#include "GenereDonnees.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage : veldra-gendata DOSSIER_SOURCES DOSSIER_SORTIE\n");
        return 2;
    }
    std::vector<std::string> erreurs;
    const bool ok = GenereDonnees(argv[1], argv[2], erreurs);
    for (const std::string& e : erreurs)
        std::fprintf(stderr, "%s\n", e.c_str());
    if (!ok)
        std::fprintf(stderr, "veldra-gendata : échec, %zu erreur(s)\n", erreurs.size());
    return ok ? 0 : 1;
}
