#include "io/EcritureSure.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

std::string RaisonSysteme(int err)
{
    switch (err) {
    case ENOENT:
        return "fichier ou dossier introuvable";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case EISDIR:
        return "c'est un dossier";
    case ENOSPC:
        return "plus de place sur le disque";
    case EROFS:
        return "support en lecture seule";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case EDQUOT:
        return "quota disque dépassé";
    case EIO:
        return "erreur d'entrée-sortie";
    default:
        return std::strerror(err);
    }
}

namespace {

std::string Dossier(const std::string& chemin)
{
    const auto barre = chemin.find_last_of('/');
    if (barre == std::string::npos)
        return ".";
    if (barre == 0)
        return "/";
    return chemin.substr(0, barre);
}

// The mode a new file would get, or that of the file being replaced.
mode_t ModeCible(const std::string& chemin)
{
    struct stat st {};
    if (::stat(chemin.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

bool Echec(std::string* erreur, const std::string& quoi, int err)
{
    if (erreur)
        *erreur = quoi + " : " + RaisonSysteme(err);
    return false;
}

} // namespace

bool EcritureSure(const std::string& chemin, const std::function<bool(FILE*)>& ecrire,
                  std::string* erreur)
{
    std::string modele = chemin + ".XXXXXX";
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int fd = ::mkstemp(nom.data());
    if (fd < 0)
        return Echec(erreur, "impossible de créer un fichier temporaire dans " + Dossier(chemin),
                     errno);
    const std::string temporaire(nom.data());
    ::fchmod(fd, ModeCible(chemin));

    FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        const int err = errno;
        ::close(fd);
        ::unlink(temporaire.c_str());
        return Echec(erreur, "impossible d'écrire " + chemin, err);
    }

    errno = 0;
    bool ok = ecrire(f);
    int err = errno;
    if (!ok && err == 0) {
        // The writer refused the content itself: nothing to do with the disk.
        ::fclose(f);
        ::unlink(temporaire.c_str());
        if (erreur)
            *erreur = "impossible d'écrire " + chemin + " : contenu impossible à enregistrer";
        return false;
    }
    if (ok && (std::fflush(f) != 0 || ::fsync(::fileno(f)) != 0)) {
        ok = false;
        err = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temporaire.c_str());
        return Echec(erreur, "impossible d'écrire " + chemin, err);
    }
    return true;
}
