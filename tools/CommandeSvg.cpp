// svg: the chart as an SVG picture, drawn by the same element drawing the
// editor uses.
#include <iostream>

#include "Commandes.h"
#include "Grafcet.h"
#include "io/EcritureSure.h"
#include "rendu/SurfaceSvg.h"

int CommandeSvg(const std::vector<std::string>& args)
{
    int zoom = 2;
    std::string sortie;
    std::string entree;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--zoom" || a == "-o") {
            if (i + 1 >= args.size()) {
                std::cerr << "veldra-cli: l'option " << a << " attend une valeur\n";
                return STATUT_ILLISIBLE;
            }
            const std::string& v = args[++i];
            if (a == "-o") {
                sortie = v;
            } else if (v.size() == 1 && v[0] >= '1' && v[0] <= '3') {
                zoom = v[0] - '0';
            } else {
                std::cerr << "veldra-cli: zoom invalide « " << v << " » (1, 2 ou 3)\n";
                return STATUT_ILLISIBLE;
            }
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "veldra-cli: option inconnue « " << a << " »\n";
            return STATUT_ILLISIBLE;
        } else if (entree.empty()) {
            entree = a;
        } else {
            std::cerr << "veldra-cli: un seul diagramme à la fois\n";
            return STATUT_ILLISIBLE;
        }
    }
    if (entree.empty()) {
        std::cerr << "usage : veldra-cli svg [--zoom Z] [-o FICHIER] FICHIER.gra\n";
        return STATUT_USAGE;
    }
    Grafcet g;
    const int statut = LitDiagramme(entree, g);
    if (statut == STATUT_ILLISIBLE)
        return statut;
    SurfaceSvg svg(zoom);
    g.Dessine(svg);
    const std::string image = svg.Document();
    if (sortie.empty() || sortie == "-") {
        std::cout << image;
    } else {
        std::string erreur;
        if (!EcritureSure(
                sortie,
                [&image](FILE* f) { return std::fwrite(image.data(), 1, image.size(), f) == image.size(); },
                &erreur)) {
            std::cerr << "veldra-cli: " << erreur << '\n';
            return STATUT_ECRITURE;
        }
    }
    // An incomplete file is still drawn (what could be read), and said so.
    if (statut == STATUT_INCOMPLET)
        std::cerr << "incomplete\n";
    return statut;
}
