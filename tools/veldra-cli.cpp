// veldra-cli: the diagram library without the editor, for scripts, tests and
// teachers who want to look inside a diagram file.
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <sys/stat.h>

#include "Commandes.h"
#include "Grafcet.h"
#include "io/EcritureSure.h"

namespace {

const char* const USAGE =
    "usage : veldra-cli dump FICHIER.gra\n"
    "        veldra-cli copy ENTREE.gra SORTIE.gra\n"
    "        veldra-cli generate [--data DOSSIER] [--card N] [--pop NOM] [-o FICHIER] FICHIER.gra\n"
    "        veldra-cli svg [--zoom Z] [-o FICHIER] FICHIER.gra\n";

} // namespace

int LitDiagramme(const std::string& chemin, Grafcet& g)
{
    struct stat st {};
    if (::stat(chemin.c_str(), &st) != 0) {
        std::cerr << "veldra-cli: " << chemin << " : " << RaisonSysteme(errno) << '\n';
        return STATUT_ILLISIBLE;
    }
    if (S_ISDIR(st.st_mode)) {
        std::cerr << "veldra-cli: " << chemin << " : " << RaisonSysteme(EISDIR) << '\n';
        return STATUT_ILLISIBLE;
    }
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) {
        std::cerr << "veldra-cli: " << chemin << " : " << RaisonSysteme(errno) << '\n';
        return STATUT_ILLISIBLE;
    }
    const bool complet = g.LFichier(f);
    const bool erreurLecture = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (erreurLecture) {
        std::cerr << "veldra-cli: " << chemin << " : " << RaisonSysteme(err) << '\n';
        return STATUT_ILLISIBLE;
    }
    return complet ? STATUT_OK : STATUT_INCOMPLET;
}

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << USAGE;
        return STATUT_USAGE;
    }
    const std::string commande = args.front();
    args.erase(args.begin());
    if (commande == "dump")
        return CommandeDump(args);
    if (commande == "copy")
        return CommandeCopy(args);
    if (commande == "generate")
        return CommandeGenerate(args);
    if (commande == "svg")
        return CommandeSvg(args);
    std::cerr << "veldra-cli: commande inconnue « " << commande << " »\n" << USAGE;
    return STATUT_USAGE;
}
