// generate: the editor's generation command without the editor. The program
// text goes to a file or standard output, the dialog's three lines and the
// error labels to standard error.
#include <cerrno>
#include <iostream>
#include <sys/stat.h>

#include "Commandes.h"
#include "GenereProgramme.h"
#include "Grafcet.h"
#include "io/EcritureSure.h"
#include "platform/Reglages.h"
#include "pop/FichierPop.h"
#include "pop/POpera.h"

namespace {

const char* const USAGE_GENERATE =
    "usage : veldra-cli generate [--data DOSSIER] [--card N] [--pop NOM] [-o FICHIER] FICHIER.gra\n";

int Refuse(const std::string& message)
{
    std::cerr << "veldra-cli: " << message << '\n';
    return STATUT_ILLISIBLE;
}

} // namespace

int CommandeGenerate(const std::vector<std::string>& args)
{
    const Reglages reglages;
    std::string donnees = reglages.RepertoireDonnees();
    int carte = static_cast<unsigned char>(reglages.Carte());
    std::string nom = reglages.NomPop();
    std::string sortie;
    std::string entree;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool avecValeur = a == "--data" || a == "--card" || a == "--pop" || a == "-o";
        if (avecValeur) {
            if (i + 1 >= args.size())
                return Refuse("l'option " + a + " attend une valeur");
            const std::string& v = args[++i];
            if (a == "--data") {
                donnees = v;
                if (!donnees.empty() && donnees.back() != '/')
                    donnees += '/';
            } else if (a == "--card") {
                char* fin = nullptr;
                const long n = std::strtol(v.c_str(), &fin, 10);
                if (v.empty() || *fin != '\0' || n < 0 || n > 255)
                    return Refuse("numéro de carte invalide « " + v + " » (0 à 255)");
                carte = static_cast<int>(n);
            } else if (a == "--pop") {
                nom = v;
            } else {
                sortie = v;
            }
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            return Refuse("option inconnue « " + a + " »");
        } else if (entree.empty()) {
            entree = a;
        } else {
            return Refuse("un seul diagramme à la fois");
        }
    }
    if (entree.empty()) {
        std::cerr << USAGE_GENERATE;
        return STATUT_USAGE;
    }
    if (nom.size() > 19)
        return Refuse("nom de partie opérative trop long « " + nom + " » (19 caractères au plus)");

    Grafcet g;
    const int lu = LitDiagramme(entree, g);
    if (lu == STATUT_ILLISIBLE)
        return lu;
    if (lu == STATUT_INCOMPLET)
        return Refuse(entree + " : fichier incomplet");

    // The operative-part file must be readable and hold the part asked for.
    const std::string fichierPop = donnees + "p_opera.lst";
    fichierpop::Contenu contenu;
    int err = 0;
    if (!fichierpop::Lit(fichierPop, contenu, err))
        return Refuse(fichierPop + " : " + RaisonSysteme(err));
    bool trouve = false;
    for (const auto& b : contenu.blocs)
        trouve = trouve || (b.carte == carte && b.nom == nom);
    if (!trouve)
        return Refuse("partie opérative « " + nom + " » introuvable pour la carte "
                      + std::to_string(carte) + " dans " + fichierPop);

    POpera pop(static_cast<char>(carte), nom, donnees);
    const ResultatGeneration r = GenereProgramme(g, static_cast<char>(carte), nom, pop);

    if (sortie.empty() || sortie == "-") {
        std::cout << r.texte;
        std::cout.flush();
    } else {
        std::string erreur;
        const std::string& texte = r.texte;
        if (!EcritureSure(
                sortie,
                [&texte](FILE* f) { return std::fwrite(texte.data(), 1, texte.size(), f) == texte.size(); },
                &erreur)) {
            std::cerr << "veldra-cli: " << erreur << '\n';
            return STATUT_ECRITURE;
        }
    }
    using namespace textesgeneration;
    std::cerr << LIBELLE_GRAFCET << ' ' << r.ligneGrafcet << '\n'
              << LIBELLE_ACTION << ' ' << r.ligneAction << '\n'
              << LIBELLE_RECEPTIVITE << ' ' << r.ligneReceptivite << '\n';
    for (const auto& e : g.LErLab())
        std::cerr << e << '\n';
    return r.reussi ? STATUT_OK : STATUT_ECHEC;
}
