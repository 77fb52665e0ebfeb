// The diagram file: a 16-bit record count, then one record per element.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "Grafcet.h"
#include "elements/Elements.h"

namespace {

constexpr std::size_t TEXTE_MAX = std::numeric_limits<short>::max();

// A comment with no text is neither written nor counted.
bool EstCommentaireVide(const SGrafcet& s)
{
    const auto* c = dynamic_cast<const CText*>(&s);
    return c && c->Texte().empty();
}

const std::string* TexteDe(const SGrafcet& s)
{
    if (const auto* t = dynamic_cast<const Transition*>(&s))
        return &t->Texte();
    if (const auto* c = dynamic_cast<const CText*>(&s))
        return &c->Texte();
    if (const auto* a = dynamic_cast<const Action*>(&s))
        return &a->Texte();
    return nullptr;
}

// Little-endian fields; each read says whether the file held them.
class Lecteur {
public:
    explicit Lecteur(FILE* f) : fichier(f) {}

    bool Mot(short& v)
    {
        unsigned char o[2];
        if (std::fread(o, 1, 2, fichier) != 2)
            return false;
        v = static_cast<short>(static_cast<std::uint16_t>(o[0] | (o[1] << 8)));
        return true;
    }

    bool Octet(unsigned char& v) { return std::fread(&v, 1, 1, fichier) == 1; }

    // n bytes into a terminated buffer; a negative length is a broken record.
    bool Texte(short n, std::vector<char>& tampon)
    {
        if (n < 0)
            return false;
        tampon.assign(static_cast<std::size_t>(n) + 1, '\0');
        return std::fread(tampon.data(), 1, static_cast<std::size_t>(n), fichier)
               == static_cast<std::size_t>(n);
    }

private:
    FILE* fichier;
};

} // namespace

bool Grafcet::EFichier(FILE* f) const
{
    std::size_t nombre = 0;
    for (const auto& s : symboles) {
        if (EstCommentaireVide(*s))
            continue;
        const std::string* texte = TexteDe(*s);
        if (texte && texte->size() > TEXTE_MAX)
            return false;
        ++nombre;
    }
    if (nombre > static_cast<std::size_t>(std::numeric_limits<short>::max()))
        return false;

    EcritMot(f, static_cast<short>(nombre));
    for (const auto& s : symboles) {
        if (!EstCommentaireVide(*s))
            s->EFichier(f);
    }
    return std::ferror(f) == 0;
}

bool Grafcet::LFichier(FILE* f)
{
    Lecteur lire(f);
    short nombre = 0;
    if (!lire.Mot(nombre))
        return false;

    std::vector<char> texte;
    for (short i = 0; i < nombre; ++i) {
        short x, y, gauche, droite, bas, liaison;
        unsigned char type;
        if (!lire.Mot(x) || !lire.Mot(y) || !lire.Mot(gauche) || !lire.Mot(droite)
            || !lire.Mot(bas) || !lire.Mot(liaison) || !lire.Octet(type))
            return false;
        const TPoint ancre(x, y);
        const TRect r(gauche, y, droite, bas);

        short numero = 0;
        switch (type) {
        case ETAPE_INITIALE:
        case ETAPE:
        case MACRO:
        case MACRO_E:
        case MACRO_F:
            if (!lire.Mot(numero))
                return false;
            break;
        case TRANSITION:
        case COMMENTAIRE:
        case ACTION: {
            short longueur = 0;
            if (!lire.Mot(longueur) || !lire.Texte(longueur, texte))
                return false;
            break;
        }
        default:
            break;
        }

        std::unique_ptr<SGrafcet> s;
        switch (type) {
        case ETAPE_INITIALE:
        case ETAPE:
            s = std::make_unique<Etape>(static_cast<short>(type), ancre, r, numero);
            break;
        case TRANSITION:
            s = std::make_unique<Transition>(ancre, r, texte.data());
            break;
        case DIV_OU:
            s = std::make_unique<DivOu>(ancre, r, liaison);
            break;
        case CONV_OU:
            s = std::make_unique<ConvOu>(ancre, r, liaison);
            break;
        case DIV_ET:
            s = std::make_unique<DivEt>(ancre, r, liaison);
            break;
        case CONV_ET:
            s = std::make_unique<ConvEt>(ancre, r, liaison);
            break;
        case RETOUR:
            s = std::make_unique<Retour>(ancre, r);
            break;
        case MACRO:
            s = std::make_unique<Macro>(ancre, r, numero);
            break;
        case MACRO_E:
            s = std::make_unique<MacroE>(ancre, r, numero);
            break;
        case MACRO_F:
            s = std::make_unique<MacroF>(ancre, r, numero);
            break;
        case COMMENTAIRE:
            s = std::make_unique<CText>(ancre, r, texte.data());
            break;
        case ACTION:
            s = std::make_unique<Action>(ancre, r, texte.data());
            break;
        default:
            // Unknown codes: the 13 fixed bytes are skipped, reading goes on.
            break;
        }
        AjouteSymbole(std::move(s));
    }
    return true;
}
