#include "platform/Reglages.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

#include "io/EcritureSure.h"

#ifndef VELDRA_DONNEES
#define VELDRA_DONNEES "data"
#endif

namespace {

std::string Minuscules(std::string s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool MemeNom(const std::string& a, const std::string& b) { return Minuscules(a) == Minuscules(b); }

std::string Rogne(const std::string& s)
{
    const auto debut = s.find_first_not_of(" \t\r\n");
    if (debut == std::string::npos)
        return "";
    const auto fin = s.find_last_not_of(" \t\r\n");
    return s.substr(debut, fin - debut + 1);
}

// Creates every missing directory of a path (like mkdir -p).
bool CreeDossiers(const std::string& dossier)
{
    if (dossier.empty())
        return true;
    std::string partiel;
    for (std::size_t i = 0; i <= dossier.size(); ++i) {
        if (i == dossier.size() || dossier[i] == '/') {
            partiel = dossier.substr(0, i);
            if (!partiel.empty() && ::mkdir(partiel.c_str(), 0777) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

} // namespace

std::string Reglages::CheminParDefaut()
{
    if (const char* env = std::getenv("VELDRA_SETTINGS"); env && *env)
        return env;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ".";
    return base + "/veldra/veldra.ini";
}

std::string Reglages::DonneesFournies()
{
    std::string d = VELDRA_DONNEES;
    if (d.empty() || d.back() != '/')
        d += '/';
    return d;
}

Reglages::Reglages(std::string c) : chemin(std::move(c))
{
    std::ifstream in(chemin, std::ios::binary);
    std::string ligne;
    Section* courante = nullptr;
    while (std::getline(in, ligne)) {
        const std::string t = Rogne(ligne);
        if (t.empty() || t[0] == ';' || t[0] == '#')
            continue;
        if (t.front() == '[' && t.back() == ']') {
            const std::string nom = Rogne(t.substr(1, t.size() - 2));
            courante = Trouve(nom);
            if (!courante) {
                sections.push_back({nom, {}});
                courante = &sections.back();
            }
            continue;
        }
        const auto egal = t.find('=');
        if (!courante || egal == std::string::npos)
            continue;
        const std::string nom = Rogne(t.substr(0, egal));
        const std::string valeur = Rogne(t.substr(egal + 1));
        bool deja = false;
        for (const auto& e : courante->entrees)
            deja = deja || MemeNom(e.first, nom);
        if (!deja) // the first entry of a name wins, as in a profile
            courante->entrees.emplace_back(nom, valeur);
    }
}

Reglages::Section* Reglages::Trouve(const std::string& cle)
{
    for (auto& s : sections) {
        if (MemeNom(s.nom, cle))
            return &s;
    }
    return nullptr;
}

const Reglages::Section* Reglages::Trouve(const std::string& cle) const
{
    return const_cast<Reglages*>(this)->Trouve(cle);
}

bool Reglages::Lit(const std::string& cle, const std::string& valeur, std::string& out) const
{
    const Section* s = Trouve(cle);
    if (!s)
        return false;
    for (const auto& e : s->entrees) {
        if (MemeNom(e.first, valeur)) {
            out = e.second;
            return true;
        }
    }
    return false;
}

std::string Reglages::Lit(const std::string& cle, const std::string& valeur,
                          const std::string& defaut) const
{
    std::string out;
    return Lit(cle, valeur, out) ? out : defaut;
}

void Reglages::Ecrit(const std::string& cle, const std::string& valeur, const std::string& donnee)
{
    // A value must stay on one line of the file.
    std::string propre = donnee;
    for (char& c : propre) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    Section* s = Trouve(cle);
    if (!s) {
        sections.push_back({cle, {}});
        s = &sections.back();
    }
    for (auto& e : s->entrees) {
        if (MemeNom(e.first, valeur)) {
            e.second = propre;
            return;
        }
    }
    s->entrees.emplace_back(valeur, propre);
}

bool Reglages::Sauve(std::string* erreur) const
{
    const auto barre = chemin.find_last_of('/');
    if (barre != std::string::npos && !CreeDossiers(chemin.substr(0, barre))) {
        if (erreur)
            *erreur = "impossible de créer le dossier de " + chemin + " : " + RaisonSysteme(errno);
        return false;
    }
    return EcritureSure(
        chemin,
        [this](FILE* f) {
            for (const auto& s : sections) {
                std::fprintf(f, "[%s]\n", s.nom.c_str());
                for (const auto& e : s.entrees)
                    std::fprintf(f, "%s=%s\n", e.first.c_str(), e.second.c_str());
                std::fputc('\n', f);
            }
            return std::ferror(f) == 0;
        },
        erreur);
}

std::string Reglages::DossierDonneesUtilisateur()
{
    if (const char* env = std::getenv("VELDRA_SETTINGS"); env && *env) {
        const std::string chemin = env;
        const auto barre = chemin.find_last_of('/');
        return (barre == std::string::npos ? std::string(".") : chemin.substr(0, barre)) + "/donnees/";
    }
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.local/share";
    else
        base = ".";
    return base + "/veldra/donnees/";
}

bool Reglages::SemeDonnees(std::string* erreur)
{
    std::string chemin;
    if (Lit(CLE_VELDRA, "PATH", chemin) && !chemin.empty())
        return true;
    const std::string dossier = DossierDonneesUtilisateur();
    if (!CreeDossiers(dossier.substr(0, dossier.size() - 1))) {
        if (erreur)
            *erreur = "impossible de créer " + dossier + " : " + RaisonSysteme(errno);
        return false;
    }
    for (const char* nom : {"LISTE.CAR", "p_opera.lst", "ombrix.ctt"}) {
        const std::string cible = dossier + nom;
        struct stat st {};
        if (::stat(cible.c_str(), &st) == 0)
            continue; // the user's own copy stays
        std::ifstream source(DonneesFournies() + nom, std::ios::binary);
        if (!source)
            continue; // nothing bundled under that name
        const std::string octets((std::istreambuf_iterator<char>(source)), {});
        if (!EcritureSure(
                cible,
                [&octets](FILE* f) { return std::fwrite(octets.data(), 1, octets.size(), f) == octets.size(); },
                erreur))
            return false;
    }
    Ecrit(CLE_VELDRA, "PATH", dossier);
    return Sauve(erreur);
}

std::string Reglages::RepertoireDonnees() const
{
    std::string d = Lit(CLE_VELDRA, "PATH", "");
    // Settings written on Windows end with a backslash.
    if (!d.empty() && d.back() == '\\')
        d.back() = '/';
    if (d.empty())
        return DonneesFournies();
    if (d.back() != '/')
        d += '/';
    return d;
}

char Reglages::Carte() const
{
    const std::string v = Lit(CLE_CIBLE, "CARTE", "0");
    char* fin = nullptr;
    const long n = std::strtol(v.c_str(), &fin, 10);
    if (fin == v.c_str())
        return 0;
    // Only the first byte of the value counts.
    return static_cast<char>(static_cast<unsigned char>(n & 0xFF));
}

std::string Reglages::NomPop() const { return Lit(CLE_CIBLE, "P_OPERA", ""); }
