#include "cible/ListeCartes.h"

#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace {

constexpr std::size_t TAILLE_CARTE = 23;
constexpr std::size_t TAILLE_NOM = 20;

bool MemeNomSansCasse(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return *a == *b;
}

} // namespace

std::string CheminSansCasse(const std::string& dossier, const std::string& nom)
{
    const std::string exact = dossier + nom;
    struct stat st {};
    if (::stat(exact.c_str(), &st) == 0)
        return exact;
    DIR* d = ::opendir(dossier.empty() ? "." : dossier.c_str());
    if (!d)
        return exact;
    std::string trouve;
    while (const dirent* e = ::readdir(d)) {
        if (MemeNomSansCasse(e->d_name, nom.c_str())) {
            trouve = dossier + e->d_name;
            break;
        }
    }
    ::closedir(d);
    return trouve.empty() ? exact : trouve;
}

ListeCartes ListeCartes::Lit(const std::string& donnees)
{
    ListeCartes liste;
    FILE* f = std::fopen(CheminSansCasse(donnees, "LISTE.CAR").c_str(), "rb");
    if (!f)
        return liste;
    liste.lue = true;
    unsigned char tete[2];
    if (std::fread(tete, 1, 2, f) != 2) {
        liste.complet = false;
        std::fclose(f);
        return liste;
    }
    const auto n = static_cast<short>(static_cast<unsigned short>(tete[0] | (tete[1] << 8)));
    for (short i = 0; i < n; ++i) {
        unsigned char r[TAILLE_CARTE];
        if (std::fread(r, 1, TAILLE_CARTE, f) != TAILLE_CARTE) {
            liste.complet = false;
            break;
        }
        CarteListee c;
        const char* nom = reinterpret_cast<const char*>(r);
        c.nom.assign(nom, strnlen(nom, TAILLE_NOM));
        c.code = r[TAILLE_NOM];
        liste.cartes.push_back(c);
    }
    // A list that ends before its flag forbids editing, as a missing list does.
    unsigned char drapeau = 0;
    liste.edition = liste.complet && std::fread(&drapeau, 1, 1, f) == 1 && drapeau != 0;
    std::fclose(f);
    return liste;
}
