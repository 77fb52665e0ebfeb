#include "doc/TGrafDoc.h"

#include <cerrno>
#include <cstring>
#include <iterator>
#include <sys/stat.h>

#include "Grafcet.h"
#include "io/EcritureSure.h"

namespace {

struct Propriete {
    const char* nom;
    int drapeaux;
};

constexpr Propriete ProprietesGrafcet[] = {
    {"Type", TDocument::pfGetText},
    {"Grafcet", TDocument::pfGetBinary},
    {"Variable", TDocument::pfGetBinary},
    {"Generer", TDocument::pfGetBinary},
};

constexpr int NbProprietes = static_cast<int>(std::size(ProprietesGrafcet));

const Propriete* Cherche(int index)
{
    const int rang = index - (TGrafDoc::PrevProperty + 1);
    return rang >= 0 && rang < NbProprietes ? &ProprietesGrafcet[rang] : nullptr;
}

const char* const DocumentFerme = "le grafcet est fermé";

} // namespace

TGrafDoc::TGrafDoc(TDocument* parent) : TFileDocument(parent), graf(std::make_unique<Grafcet>())
{
}

TGrafDoc::~TGrafDoc() = default;

TGrafDoc::Acces TGrafDoc::OuvreLecture(FILE*& f)
{
    f = nullptr;
    const std::string& chemin = GetDocPath();
    if (chemin.empty())
        return Acces::Absent;
    struct stat st {};
    if (::stat(chemin.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Acces::Absent;
        erreur = "impossible de lire " + chemin + " : " + RaisonSysteme(errno);
        return Acces::Refuse;
    }
    // A directory opens as a stream that fails on the first read, and a pipe
    // or a device could block or never end: only a regular file is a diagram.
    if (S_ISDIR(st.st_mode)) {
        erreur = "impossible de lire " + chemin + " : " + RaisonSysteme(EISDIR);
        return Acces::Refuse;
    }
    if (!S_ISREG(st.st_mode)) {
        erreur = "impossible de lire " + chemin + " : ce n'est pas un fichier ordinaire";
        return Acces::Refuse;
    }
    f = std::fopen(chemin.c_str(), "rb");
    if (!f) {
        erreur = "impossible de lire " + chemin + " : " + RaisonSysteme(errno);
        return Acces::Refuse;
    }
    return Acces::Ouvert;
}

void TGrafDoc::Lit(FILE* f)
{
    errno = 0;
    const bool complet = graf->LFichier(f);
    const int err = errno;
    const bool panne = std::ferror(f) != 0;
    std::fclose(f);
    charge = true;
    incomplet = !complet;
    if (incomplet) {
        erreur = panne ? "erreur de lecture de " + GetDocPath() + " : " + RaisonSysteme(err)
                       : "le fichier " + GetDocPath()
                             + " est incomplet : seuls les éléments complets ont été lus";
    }
}

bool TGrafDoc::Open(short, const char* path)
{
    erreur.clear();
    incomplet = false;
    if (path)
        SetDocPath(path);
    if (!graf) {
        erreur = DocumentFerme;
        return false;
    }
    FILE* f = nullptr;
    const Acces acces = OuvreLecture(f);
    if (acces == Acces::Refuse)
        return false;
    if (acces == Acces::Ouvert)
        Lit(f);
    SetDirty(false);
    generer = false;
    return acces == Acces::Ouvert;
}

bool TGrafDoc::Close()
{
    if (!TFileDocument::Close())
        return false;
    graf.reset();
    return true;
}

bool TGrafDoc::Commit(bool force)
{
    erreur.clear();
    if (!IsDirty() && !force)
        return true;
    if (!graf) {
        erreur = DocumentFerme;
        return false;
    }
    if (GetDocPath().empty()) {
        erreur = "le grafcet n'a pas encore de nom de fichier";
        return false;
    }
    const Grafcet& g = *graf;
    if (!EcritureSure(GetDocPath(), [&g](FILE* f) { return g.EFichier(f); }, &erreur))
        return false;
    charge = true;
    SetDirty(false);
    generer = false;
    return true;
}

bool TGrafDoc::Revert(bool clear)
{
    erreur.clear();
    if (clear)
        return TFileDocument::Revert(true);
    if (!graf) {
        erreur = DocumentFerme;
        return false;
    }
    // The file is opened before anything is given up, so that a revert that
    // cannot read leaves the diagram and its unsaved changes alone.
    FILE* f = nullptr;
    switch (OuvreLecture(f)) {
    case Acces::Absent:
        erreur = "aucun fichier à relire pour ce grafcet";
        return false;
    case Acces::Refuse:
        return false;
    case Acces::Ouvert:
        break;
    }
    if (!TFileDocument::Revert(false)) {
        std::fclose(f);
        return false;
    }
    // Reading appends: the current diagram goes first. The second EffaceTout
    // gives up the deletion made by the first, so the old elements are
    // destroyed and cannot come back over the file's content through Recupere.
    graf->EffaceTout();
    graf->EffaceTout();
    incomplet = false;
    Lit(f);
    SetDirty(false);
    generer = false;
    return true;
}

Grafcet* TGrafDoc::PGraf()
{
    // Only a file that is there and a diagram nobody has edited yet are read:
    // reading also clears the dirty and generated flags, which must not wipe
    // the edits or the generation of a diagram that has no file yet.
    if (graf && !charge && !IsDirty()) {
        struct stat st {};
        if (!GetDocPath().empty() && ::stat(GetDocPath().c_str(), &st) == 0)
            Open(0, nullptr);
    }
    return graf.get();
}

void TGrafDoc::Modif()
{
    SetDirty(true);
    generer = false;
}

ListV* TGrafDoc::LVariab()
{
    return graf ? graf->ListVar() : nullptr;
}

int TGrafDoc::PropertyCount() const
{
    return NextProperty - 1;
}

int TGrafDoc::FindProperty(const char* name) const
{
    if (name) {
        for (int i = 0; i < NbProprietes; ++i) {
            if (std::strcmp(ProprietesGrafcet[i].nom, name) == 0)
                return PrevProperty + 1 + i;
        }
    }
    return TFileDocument::FindProperty(name);
}

const char* TGrafDoc::PropertyName(int index) const
{
    if (index < TFileDocument::NextProperty)
        return TFileDocument::PropertyName(index);
    const Propriete* p = Cherche(index);
    return p ? p->nom : nullptr;
}

int TGrafDoc::PropertyFlags(int index) const
{
    if (index < TFileDocument::NextProperty)
        return TFileDocument::PropertyFlags(index);
    const Propriete* p = Cherche(index);
    return p ? p->drapeaux : 0;
}

int TGrafDoc::GetProperty(int index, void* dest, int textlen) const
{
    if (textlen > 0) {
        if (index == PropType)
            return CopieTexte("Grafcet", dest, textlen);
        return TFileDocument::GetProperty(index, dest, textlen);
    }
    switch (index) {
    case 0:
        return generer ? 1 : 0;
    case PropGenerer: {
        const short valeur = generer ? 1 : 0;
        if (dest)
            std::memcpy(dest, &valeur, sizeof valeur);
        return valeur;
    }
    case PropGrafcet:
    case PropVariable:
        // Nothing reads them; the container and the variable list are given out
        // by PGraf and LVariab, so no caller's buffer is written with a pointer.
        return 1;
    default:
        return TFileDocument::GetProperty(index, dest, textlen);
    }
}
