#include "variables/ListV.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "variables/ProfilPrive.h"
#include "variables/transfert.h"

namespace {

constexpr float PIGNON_DEFAUT = 52.7787f;

// Reciprocal of the 32-bit float nearest to 33.2, the factor by which the
// action compiler scales position set-points.
constexpr double INVERSE_ECHELLE = 0.030120481235539;

} // namespace

float ListV::LitPignon()
{
    float valeur = PIGNON_DEFAUT;
    LitReel(LitProfilPrive("norimveldra.ini", "OMBRIX", "Pignon", "52.7787", 20), valeur);
    return valeur;
}

ListV::ListV() : trans(nullptr), nbM(0), nbW(0), nbB(0), pignon(LitPignon()) {}

ListV::~ListV() = default;

void ListV::Ajoute(const composant& c)
{
    composant rec;
    CopieComposant(rec, c);
    if (Existe(rec.label))
        return;
    variables.emplace_front(rec);
    CompteMemoire(rec);
}

// A memory byte, word or bit labelled with its hexadecimal number ("M0C")
// raises the size of its area to that number plus one. A label whose number
// cannot be read ("M", "Mxx") or is negative raises nothing; a number beyond
// what the 16-bit size can hold keeps the size at its maximum rather than
// wrapping to a negative size.
void ListV::CompteMemoire(const composant& c)
{
    if (c.nature != 2)
        return;
    short* compteur = nullptr;
    switch (c.label[0]) {
    case 'M': compteur = &nbM; break;
    case 'W': compteur = &nbW; break;
    case 'B': compteur = &nbB; break;
    default: return;
    }
    const char* debut = c.label + 1;
    char* fin = nullptr;
    const long long n = std::strtoll(debut, &fin, 16);
    if (fin == debut || n < 0)
        return;
    const long long taille = n >= 32767 ? 32767 : n + 1;
    if (taille > *compteur)
        *compteur = static_cast<short>(taille);
}

bool ListV::Existe(const char* label) const
{
    if (label == nullptr)
        return false;
    for (const Variable& v : variables)
        if (std::strncmp(v.comp.label, label, sizeof v.comp.label) == 0)
            return true;
    return false;
}

void ListV::Flush()
{
    variables.clear();
    nbM = 0;
    nbW = 0;
    nbB = 0;
}

short ListV::NBel(short nature, short sens) const
{
    short n = 0;
    for (const Variable& v : variables)
        if (v.comp.nature == nature && v.comp.sens == sens)
            ++n;
    return n;
}

const Variable* ListV::Cherche(short n, short nature, short sens) const
{
    if (n < 0)
        return nullptr;
    for (const Variable& v : variables) {
        if (v.comp.nature != nature || v.comp.sens != sens)
            continue;
        if (n == 0)
            return &v;
        --n;
    }
    return nullptr;
}

Variable* ListV::Cherche(short n, short nature, short sens)
{
    return const_cast<Variable*>(static_cast<const ListV*>(this)->Cherche(n, nature, sens));
}

void ListV::LComposant(short n, short nature, short sens, composant& out) const
{
    if (const Variable* v = Cherche(n, nature, sens))
        out = v->comp;
}

void ListV::LLabel(short n, short nature, short sens, char* out)
{
    Variable* v = Cherche(n, nature, sens);
    if (v == nullptr || trans == nullptr)
        return;
    const unsigned i = v->comp.indice;
    const unsigned char m = v->comp.masque;
    // An image that lacks an area leaves the value as it was.
    switch (v->comp.nature) {
    case 0:
        if (trans->es)
            v->MValeur((trans->es[i] & m) ? 1 : 0);
        break;
    case 1:
        if (trans->mot16) {
            if (trans->ana)
                v->MValeur(static_cast<short>(trans->ana[i]));
        } else if (trans->es) {
            v->MValeur(static_cast<signed char>(trans->es[i]));
        }
        break;
    case 2:
        switch (v->comp.label[0]) {
        case 'M':
            if (trans->memM)
                v->MValeur(trans->memM[i]);
            break;
        case 'W':
            if (trans->motW)
                v->MValeur(static_cast<short>(trans->motW[i]));
            break;
        case 't':
            if (trans->tempo)
                v->MValeur(static_cast<short>(trans->tempo[i]));
            break;
        case 'B':
            if (trans->bitB)
                v->MValeur((trans->bitB[i] & m) ? 1 : 0);
            break;
        default:
            break;
        }
        break;
    case 3:
        if (trans->ana)
            v->MValeur(static_cast<short>(trans->ana[i]));
        break;
    case 5:
        if (trans->pos) {
            // Each product is rounded to a 32-bit float before the next, as
            // the run window's figures are.
            float f = static_cast<float>(trans->pos[i]);
            f = static_cast<float>(f * 0.0005);
            f = static_cast<float>(f * INVERSE_ECHELLE);
            f = f * pignon;
            v->MValeurF(f);
        }
        break;
    default:
        break;
    }
    v->LVariable(out);
}

short ListV::LValeur(short n, short nature, short sens) const
{
    const Variable* v = Cherche(n, nature, sens);
    return v ? v->LValeur() : 0;
}

void ListV::MValeur(short n, short nature, short sens, short v)
{
    Variable* var = Cherche(n, nature, sens);
    if (var == nullptr || trans == nullptr)
        return;
    var->MValeur(v);
    const unsigned i = var->comp.indice;
    const unsigned char octet = static_cast<unsigned char>(v & 0xFF);
    const auto mot = static_cast<std::uint16_t>(v);
    switch (var->comp.nature) {
    case 0:
        // A logical output toggles whatever the value given.
        if (trans->es)
            trans->es[i] ^= var->comp.masque;
        break;
    case 1:
        if (trans->mot16) {
            if (trans->ana)
                trans->ana[i] = mot;
        } else if (trans->es) {
            trans->es[i] = octet;
        }
        break;
    case 2:
        switch (var->comp.label[0]) {
        case 'M':
            if (trans->memM)
                trans->memM[i] = octet;
            break;
        case 'W':
            if (trans->motW)
                trans->motW[i] = mot;
            break;
        case 't':
            if (trans->tempo)
                trans->tempo[i] = mot;
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

void ListV::SetTrans(transfert* t)
{
    trans = t;
}

short ListV::LNb(short which) const
{
    if (which == 0)
        return nbM;
    if (which == 1)
        return nbW;
    return nbB;
}

void ListV::AjouteErr(std::string) {}

short ListV::LNbErr() const
{
    return 0;
}

void ListV::LErr(short, std::string&) const {}
