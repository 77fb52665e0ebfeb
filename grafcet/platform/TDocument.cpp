#include "platform/TDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct Propriete {
    const char* nom;
    int drapeaux;
};

constexpr Propriete ProprietesDocument[] = {
    {"DocumentClass", TDocument::pfGetText},
    {"TemplateName", TDocument::pfGetText},
    {"ViewCount", TDocument::pfGetText | TDocument::pfGetBinary},
    {"StoragePath", TDocument::pfGetText},
    {"DocTitle", TDocument::pfGetText},
};

constexpr Propriete ProprietesFichier[] = {
    {"CreateTime", TDocument::pfGetText | TDocument::pfGetBinary},
    {"ModifyTime", TDocument::pfGetText | TDocument::pfGetBinary},
    {"AccessTime", TDocument::pfGetText | TDocument::pfGetBinary},
    {"StorageSize", TDocument::pfGetText | TDocument::pfGetBinary},
    {"FileHandle", TDocument::pfGetBinary},
};

template <std::size_t N>
const Propriete* Cherche(const Propriete (&table)[N], int premier, int index)
{
    const int rang = index - premier;
    return rang >= 0 && rang < static_cast<int>(N) ? &table[rang] : nullptr;
}

template <std::size_t N>
int Trouve(const Propriete (&table)[N], int premier, const char* nom)
{
    if (!nom)
        return 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (std::strcmp(table[i].nom, nom) == 0)
            return premier + static_cast<int>(i);
    }
    return 0;
}

int CopieBinaire(std::int64_t v, void* dest)
{
    if (!dest)
        return 0;
    std::memcpy(dest, &v, sizeof v);
    return static_cast<int>(sizeof v);
}

std::string TexteHeure(std::int64_t secondes)
{
    const std::time_t t = static_cast<std::time_t>(secondes);
    std::tm local {};
    if (!::localtime_r(&t, &local))
        return {};
    char texte[32];
    const std::size_t n = std::strftime(texte, sizeof texte, "%d/%m/%Y %H:%M:%S", &local);
    return std::string(texte, n);
}

// What the file system says about the document's file; false when there is
// no file or the file system does not keep that value.
bool Etat(const std::string& chemin, int index, std::int64_t& valeur)
{
    if (chemin.empty())
        return false;
    if (index == TFileDocument::CreateTime) {
#ifdef STATX_BTIME
        struct statx sx {};
        if (::statx(AT_FDCWD, chemin.c_str(), 0, STATX_BTIME, &sx) != 0
            || !(sx.stx_mask & STATX_BTIME))
            return false;
        valeur = sx.stx_btime.tv_sec;
        return true;
#else
        return false;
#endif
    }
    struct stat st {};
    if (::stat(chemin.c_str(), &st) != 0)
        return false;
    switch (index) {
    case TFileDocument::ModifyTime:
        valeur = st.st_mtim.tv_sec;
        return true;
    case TFileDocument::AccessTime:
        valeur = st.st_atim.tv_sec;
        return true;
    case TFileDocument::StorageSize:
        valeur = st.st_size;
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- TDocument ----

TDocument::TDocument(TDocument* p) : parent(p) {}

TDocument::~TDocument() = default;

bool TDocument::SetDocPath(const char* path)
{
    chemin = path ? path : "";
    return true;
}

std::string TDocument::GetTitle() const
{
    if (!titre.empty())
        return titre;
    const auto barre = chemin.find_last_of('/');
    return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
}

bool TDocument::Commit(bool)
{
    sale = false;
    return true;
}

bool TDocument::Close()
{
    return true;
}

bool TDocument::Revert(bool)
{
    sale = false;
    return true;
}

int TDocument::PropertyCount() const
{
    return NextProperty - 1;
}

int TDocument::FindProperty(const char* name) const
{
    return Trouve(ProprietesDocument, PrevProperty + 1, name);
}

const char* TDocument::PropertyName(int index) const
{
    const Propriete* p = Cherche(ProprietesDocument, PrevProperty + 1, index);
    return p ? p->nom : nullptr;
}

int TDocument::PropertyFlags(int index) const
{
    const Propriete* p = Cherche(ProprietesDocument, PrevProperty + 1, index);
    return p ? p->drapeaux : 0;
}

int TDocument::GetProperty(int index, void* dest, int textlen) const
{
    if (textlen <= 0)
        return 0; // ViewCount is the only binary one, and it is 0 here
    switch (index) {
    case DocumentClass:
        return CopieTexte(NomClasse(), dest, textlen);
    case TemplateName:
        return modele.empty() ? 0 : CopieTexte(modele, dest, textlen);
    case StoragePath:
        return chemin.empty() ? 0 : CopieTexte(chemin, dest, textlen);
    case DocTitle: {
        const std::string t = GetTitle();
        return t.empty() ? 0 : CopieTexte(t, dest, textlen);
    }
    default:
        return 0;
    }
}

int TDocument::CopieTexte(const std::string& t, void* dest, int textlen)
{
    if (!dest || textlen <= 0)
        return 0;
    const std::size_t n = std::min(t.size(), static_cast<std::size_t>(textlen - 1));
    auto* d = static_cast<char*>(dest);
    std::memcpy(d, t.data(), n);
    d[n] = '\0';
    return static_cast<int>(n);
}

// ---- TFileDocument ----

TFileDocument::TFileDocument(TDocument* p) : TDocument(p) {}

TFileDocument::~TFileDocument() = default;

int TFileDocument::PropertyCount() const
{
    return NextProperty - 1;
}

int TFileDocument::FindProperty(const char* name) const
{
    const int i = Trouve(ProprietesFichier, PrevProperty + 1, name);
    return i ? i : TDocument::FindProperty(name);
}

const char* TFileDocument::PropertyName(int index) const
{
    const Propriete* p = Cherche(ProprietesFichier, PrevProperty + 1, index);
    return p ? p->nom : TDocument::PropertyName(index);
}

int TFileDocument::PropertyFlags(int index) const
{
    const Propriete* p = Cherche(ProprietesFichier, PrevProperty + 1, index);
    return p ? p->drapeaux : TDocument::PropertyFlags(index);
}

int TFileDocument::GetProperty(int index, void* dest, int textlen) const
{
    switch (index) {
    case CreateTime:
    case ModifyTime:
    case AccessTime:
    case StorageSize: {
        std::int64_t v = 0;
        if (!Etat(GetDocPath(), index, v))
            return 0;
        if (textlen <= 0)
            return CopieBinaire(v, dest);
        return CopieTexte(index == StorageSize ? std::to_string(v) : TexteHeure(v), dest,
                          textlen);
    }
    case FileHandle:
        return 0;
    default:
        return TDocument::GetProperty(index, dest, textlen);
    }
}
