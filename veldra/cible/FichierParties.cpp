#include "cible/FichierParties.h"

#include <cerrno>
#include <cstdio>

#include "io/EcritureSure.h"
#include "pop/FichierPop.h"

namespace fichierparties {

namespace {

bool Refus(std::string* erreur, const std::string& texte)
{
    if (erreur)
        *erreur = texte;
    return false;
}

bool Charge(const std::string& chemin, fichierpop::Contenu& contenu, std::string* erreur)
{
    int err = 0;
    if (!fichierpop::Lit(chemin, contenu, err))
        return Refus(erreur, "impossible de lire " + chemin + " : " + RaisonSysteme(err));
    return true;
}

// The file can be rewritten without losing anything: every announced block
// and record is there and nothing follows the last block.
bool Sain(const fichierpop::Contenu& c)
{
    if (!c.complet || c.nbBlocs < 0 || c.blocs.size() != static_cast<std::size_t>(c.nbBlocs))
        return false;
    std::size_t fin = c.octets.empty() ? 0 : 2;
    if (!c.blocs.empty()) {
        const auto& d = c.blocs.back();
        fin = d.records + (d.nombre > 0 ? static_cast<std::size_t>(d.nombre) : 0) * fichierpop::TAILLE_RECORD;
    }
    return fin == c.octets.size();
}

std::string Endommage(const std::string& chemin)
{
    return "le fichier " + chemin + " est incomplet ou endommagé ; il n'a pas été modifié";
}

std::size_t FinBloc(const fichierpop::Bloc& b)
{
    return b.records + (b.nombre > 0 ? static_cast<std::size_t>(b.nombre) : 0) * fichierpop::TAILLE_RECORD;
}

Resultat Ecrit(const std::string& chemin, const std::vector<unsigned char>& octets,
               std::string* erreur)
{
    const bool ok = EcritureSure(
        chemin,
        [&octets](FILE* f) {
            return octets.empty() || std::fwrite(octets.data(), 1, octets.size(), f) == octets.size();
        },
        erreur);
    return ok ? Resultat::Fait : Resultat::Echec;
}

} // namespace

bool Liste(const std::string& chemin, std::vector<Partie>& parties, bool& complet,
           std::string* erreur)
{
    parties.clear();
    fichierpop::Contenu contenu;
    if (!Charge(chemin, contenu, erreur)) {
        complet = false;
        return false;
    }
    for (const auto& b : contenu.blocs) {
        // A block whose records are cut short is still named in the file.
        parties.push_back({b.carte, b.protege != 0, b.nom});
    }
    complet = Sain(contenu);
    return true;
}

Resultat Enleve(const std::string& chemin, unsigned char carte, const std::string& nom,
                std::string* erreur)
{
    fichierpop::Contenu contenu;
    if (!Charge(chemin, contenu, erreur))
        return Resultat::Echec;
    const fichierpop::Bloc* cible = nullptr;
    for (const auto& b : contenu.blocs) {
        if (b.carte == carte && b.nom == nom) {
            cible = &b;
            break;
        }
    }
    if (!cible)
        return Resultat::Introuvable;
    if (cible->protege)
        return Resultat::Protege;
    if (!Sain(contenu)) {
        Refus(erreur, Endommage(chemin));
        return Resultat::Echec;
    }

    const auto& o = contenu.octets;
    std::vector<unsigned char> nouveau;
    nouveau.reserve(o.size());
    fichierpop::AjouteMot(nouveau, static_cast<short>(contenu.nbBlocs - 1));
    nouveau.insert(nouveau.end(), o.begin() + 2, o.begin() + static_cast<long>(cible->debut));
    nouveau.insert(nouveau.end(), o.begin() + static_cast<long>(FinBloc(*cible)), o.end());
    return Ecrit(chemin, nouveau, erreur);
}

Resultat Ajoute(const std::string& chemin, unsigned char carte, const std::string& nom,
                const std::vector<composant>& records, std::string* erreur)
{
    if (nom.empty() || nom.size() > LONGUEUR_NOM || nom.find('\0') != std::string::npos) {
        Refus(erreur, "ce nom ne tient pas dans l'en-tête d'une partie opérative");
        return Resultat::NomInvalide;
    }
    fichierpop::Contenu contenu;
    if (!Charge(chemin, contenu, erreur))
        return Resultat::Echec;
    for (const auto& b : contenu.blocs) {
        if (b.carte == carte && b.nom == nom) {
            Refus(erreur, "une partie opérative de cette carte porte déjà ce nom");
            return Resultat::NomPris;
        }
    }
    if (!Sain(contenu)) {
        Refus(erreur, Endommage(chemin));
        return Resultat::Echec;
    }
    if (contenu.nbBlocs == 32767 || records.size() > 32767) {
        Refus(erreur, "le fichier " + chemin + " ne peut pas recevoir une partie opérative de plus");
        return Resultat::Echec;
    }

    const auto& o = contenu.octets;
    std::vector<unsigned char> nouveau;
    nouveau.reserve(o.size() + fichierpop::TAILLE_ENTETE + 2 + records.size() * sizeof(composant));
    fichierpop::AjouteMot(nouveau, static_cast<short>(contenu.nbBlocs + 1));
    if (o.size() > 2)
        nouveau.insert(nouveau.end(), o.begin() + 2, o.end());
    nouveau.push_back(carte);
    nouveau.push_back(0);
    char champ[fichierpop::TAILLE_ENTETE - 2];
    EcritChamp(champ, nom);
    nouveau.insert(nouveau.end(), champ, champ + sizeof champ);
    fichierpop::AjouteMot(nouveau, static_cast<short>(records.size()));
    for (const composant& r : records) {
        const auto* p = reinterpret_cast<const unsigned char*>(&r);
        nouveau.insert(nouveau.end(), p, p + sizeof r);
    }
    return Ecrit(chemin, nouveau, erreur);
}

} // namespace fichierparties
