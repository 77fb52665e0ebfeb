#include "pop/FichierPop.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace fichierpop {

bool Lit(const std::string& chemin, Contenu& contenu, int& err)
{
    contenu = Contenu();
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) {
        err = errno;
        return false;
    }
    unsigned char tampon[65536];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        contenu.octets.insert(contenu.octets.end(), tampon, tampon + n);
    const bool erreur = std::ferror(f) != 0;
    err = errno;
    std::fclose(f);
    if (erreur)
        return false;

    const auto& o = contenu.octets;
    if (o.size() < 2) {
        contenu.complet = o.empty() ? true : false;
        return true;
    }
    contenu.nbBlocs = Mot(o.data());
    std::size_t pos = 2;
    for (short b = 0; b < contenu.nbBlocs; ++b) {
        if (pos + TAILLE_ENTETE + 2 > o.size()) {
            contenu.complet = false;
            break;
        }
        Bloc bloc;
        bloc.debut = pos;
        bloc.carte = o[pos];
        bloc.protege = o[pos + 1];
        const char* nom = reinterpret_cast<const char*>(&o[pos + 2]);
        bloc.nom.assign(nom, strnlen(nom, 20));
        bloc.nombre = Mot(&o[pos + TAILLE_ENTETE]);
        bloc.records = pos + TAILLE_ENTETE + 2;
        const std::size_t nombre = bloc.nombre > 0 ? static_cast<std::size_t>(bloc.nombre) : 0;
        const std::size_t fin = bloc.records + nombre * TAILLE_RECORD;
        bloc.entier = fin <= o.size();
        contenu.blocs.push_back(bloc);
        if (!bloc.entier) {
            contenu.complet = false;
            break;
        }
        pos = fin;
    }
    return true;
}

} // namespace fichierpop
