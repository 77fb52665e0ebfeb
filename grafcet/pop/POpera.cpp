#include "pop/POpera.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "io/EcritureSure.h"
#include "platform/Reglages.h"
#include "pop/FichierPop.h"
#include "variables/ListV.h"

POpera::POpera(char c, const char* n)
    : POpera(c, std::string(n ? n : ""), Reglages().RepertoireDonnees())
{
}

POpera::POpera(char c, const std::string& n, const std::string& repertoire) : carte(c), nom(n)
{
    // Card type 5 shows positions through the pinion of its carriage.
    echelle = carte == 5 ? ListV::LitPignon() : 1.0f;
    Charge(repertoire);
}

POpera::~POpera() = default;

void POpera::MarquePorts(const composant& c)
{
    // An 8255 starts with every port as output; a logical input switches its port.
    if (c.nature != 0 || c.sens != 0)
        return;
    auto bits = [](unsigned char indice, unsigned char masque) -> unsigned char {
        switch (indice) {
        case 0:
            return 0x10;
        case 1:
            return 0x02;
        case 2:
            if (masque >= 1 && masque <= 8)
                return 0x01;
            return masque > 8 ? 0x08 : 0;
        default:
            return 0;
        }
    };
    if (carte == 2 || carte == 3)
        ctrl1 |= bits(c.indice, c.masque);
    if (carte == 3 && c.indice >= 3)
        ctrl2 |= bits(static_cast<unsigned char>(c.indice - 3), c.masque);
}

void POpera::Charge(const std::string& repertoire)
{
    chemin = repertoire + "p_opera.lst";
    fichierpop::Contenu contenu;
    int err = 0;
    struct stat st {};
    if (::stat(chemin.c_str(), &st) == 0 && fichierpop::Lit(chemin, contenu, err)) {
        complet = contenu.complet;
        for (const auto& bloc : contenu.blocs) {
            if (bloc.carte != static_cast<unsigned char>(carte) || bloc.nom != nom)
                continue;
            protege = static_cast<char>(bloc.protege);
            const std::size_t present =
                bloc.entier ? static_cast<std::size_t>(bloc.nombre > 0 ? bloc.nombre : 0)
                            : (contenu.octets.size() - bloc.records) / fichierpop::TAILLE_RECORD;
            for (std::size_t r = 0; r < present; ++r) {
                composant c;
                std::memcpy(&c, &contenu.octets[bloc.records + r * fichierpop::TAILLE_RECORD],
                            sizeof c);
                MarquePorts(c);
                if (!LitChamp(c.label).empty())
                    composants.emplace_front(c);
            }
            break;
        }
    }

    if (carte == 5) {
        FILE* f = std::fopen((repertoire + "ombrix.ctt").c_str(), "rb");
        if (f) {
            OctetsConstante octets;
            while (std::fread(octets.data(), 1, octets.size(), f) == octets.size()
                   && nbConst < 32767) {
                constantes.emplace_back(DecodeConstante(octets));
                ++nbConst;
            }
            std::fclose(f);
        }
    }
}

// ---- lookups ----

short POpera::LitNbEl(short sens) const
{
    short n = 0;
    for (const auto& c : composants) {
        if (sens == -1 || c.LComposant().sens == sens)
            ++n;
    }
    return n;
}

void POpera::LitNom(short n, short sens, char* out) const
{
    short i = 0;
    for (const auto& c : composants) {
        if (c.LComposant().sens != sens)
            continue;
        if (i++ == n) {
            const std::string label = LitChamp(c.LComposant().label);
            std::memcpy(out, label.c_str(), label.size() + 1);
            return;
        }
    }
}

void POpera::LComposant(short n, std::string& out) const
{
    short i = 0;
    for (const auto& c : composants) {
        if (i++ == n) {
            out = LitChamp(c.LComposant().label) + "\n" + LitChamp(c.LComposant().designation);
            return;
        }
    }
}

short POpera::LNbel(short nature, short sens) const
{
    short n = 0;
    for (const auto& c : composants) {
        if (c.LComposant().nature == nature && c.LComposant().sens == sens)
            ++n;
    }
    return n;
}

const Composant* POpera::Ieme(short n, short nature, short sens) const
{
    short i = 0;
    for (const auto& c : composants) {
        if (c.LComposant().nature == nature && c.LComposant().sens == sens && i++ == n)
            return &c;
    }
    return nullptr;
}

Composant* POpera::Ieme(short n, short nature, short sens)
{
    return const_cast<Composant*>(static_cast<const POpera*>(this)->Ieme(n, nature, sens));
}

void POpera::LComposant(short n, short nature, short sens, composant& out) const
{
    if (const Composant* c = Ieme(n, nature, sens))
        c->LComposant(out);
}

void POpera::MComposant(short n, short nature, short sens, const composant& c)
{
    if (Composant* cible = Ieme(n, nature, sens))
        cible->MComposant(c);
}

void POpera::AjouteVI(const composant& c)
{
    if (!LitChamp(c.label).empty())
        composants.emplace_front(c);
}

void POpera::LNomPop(char& c, char* n) const
{
    c = carte;
    // The name field holds at most 19 characters.
    const std::size_t taille = nom.size() < 19 ? nom.size() : 19;
    std::memcpy(n, nom.data(), taille);
    n[taille] = '\0';
}

// ---- card configuration ----

void POpera::EConf(std::string& out) const
{
    char texte[32];
    if (carte == 2) {
        std::snprintf(texte, sizeof texte, "C11%2.2X", ctrl1);
        out += texte;
        if (nom == "QT70")
            out += "I";
    } else if (carte == 3) {
        std::snprintf(texte, sizeof texte, "C08%2.2XC07%2.2X", ctrl1, ctrl2);
        out += texte;
    }
}

// ---- saving ----

bool POpera::Sauve(std::string* erreur)
{
    if (protege != 0)
        return true;
    auto echec = [&](const std::string& raison) {
        if (erreur)
            *erreur = raison;
        return false;
    };

    fichierpop::Contenu contenu;
    int err = 0;
    if (!fichierpop::Lit(chemin, contenu, err))
        return echec("impossible de lire " + chemin + " : " + RaisonSysteme(err));
    // Rewriting a damaged file would drop what follows the damage.
    if (!contenu.complet)
        return echec("le fichier " + chemin + " est incomplet : la partie opérative n'a pas été enregistrée");
    const fichierpop::Bloc* notre = nullptr;
    for (const auto& bloc : contenu.blocs) {
        if (bloc.carte == static_cast<unsigned char>(carte) && bloc.nom == nom) {
            notre = &bloc;
            break;
        }
    }
    if (!notre)
        return echec("la partie opérative « " + nom + " » n'est plus dans " + chemin);

    std::vector<unsigned char> sortie;
    fichierpop::AjouteMot(sortie, contenu.nbBlocs);
    const auto& o = contenu.octets;
    for (const auto& bloc : contenu.blocs) {
        const auto entete = o.begin() + static_cast<long>(bloc.debut);
        if (&bloc != notre) {
            const std::size_t n = bloc.nombre > 0 ? static_cast<std::size_t>(bloc.nombre) : 0;
            sortie.insert(sortie.end(), entete,
                          o.begin() + static_cast<long>(bloc.records + n * fichierpop::TAILLE_RECORD));
            continue;
        }
        sortie.insert(sortie.end(), entete, entete + fichierpop::TAILLE_ENTETE);
        short nombre = 0;
        for (auto it = composants.begin(); it != composants.end(); ++it)
            ++nombre;
        fichierpop::AjouteMot(sortie, nombre);
        for (const auto& c : composants) {
            const auto* p = reinterpret_cast<const unsigned char*>(&c.LComposant());
            sortie.insert(sortie.end(), p, p + fichierpop::TAILLE_RECORD);
        }
    }
    // Bytes after the last block are kept as they were.
    if (!contenu.blocs.empty()) {
        const auto& dernier = contenu.blocs.back();
        const std::size_t n = dernier.nombre > 0 ? static_cast<std::size_t>(dernier.nombre) : 0;
        const std::size_t fin = dernier.records + n * fichierpop::TAILLE_RECORD;
        sortie.insert(sortie.end(), o.begin() + static_cast<long>(fin), o.end());
    }
    return EcritureSure(
        chemin,
        [&sortie](FILE* f) { return std::fwrite(sortie.data(), 1, sortie.size(), f) == sortie.size(); },
        erreur);
}
