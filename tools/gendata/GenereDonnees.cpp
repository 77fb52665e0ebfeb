#include "GenereDonnees.h"

#include <cstdio>
#include <system_error>

#include "Controles.h"
#include "Images.h"
#include "Sources.h"
#include "io/EcritureSure.h"

namespace fs = std::filesystem;

bool GenereDonnees(const fs::path& sources, const fs::path& sortie,
                   std::vector<std::string>& erreurs)
{
    Diagnostics diag;
    const Donnees d = LitSources(sources, diag);
    if (diag.Vide())
        Controle(d, diag);
    if (!diag.Vide()) {
        erreurs = diag.Erreurs();
        return false;
    }

    std::error_code ec;
    fs::create_directories(sortie, ec);
    if (ec) {
        erreurs.push_back(sortie.string() + ": impossible de créer le dossier : " + ec.message());
        return false;
    }
    const std::pair<const char*, Octets> fichiers[] = {
        {"LISTE.CAR", ImageListeCartes(d.cartes)},
        {"p_opera.lst", ImageParties(d.parties)},
        {"ombrix.ctt", ImageConstantes(d.constantes)},
    };
    bool ok = true;
    for (const auto& [nom, octets] : fichiers) {
        std::string erreur;
        const Octets& contenu = octets;
        const bool ecrit = EcritureSure((sortie / nom).string(), [&contenu](FILE* f) {
            return contenu.empty() || std::fwrite(contenu.data(), 1, contenu.size(), f) == contenu.size();
        }, &erreur);
        if (!ecrit) {
            erreurs.push_back(erreur);
            ok = false;
        }
    }
    return ok;
}
