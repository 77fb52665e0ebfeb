#include "Images.h"

#include <cstdint>
#include <cstring>

#include "variables/Constante.h"

namespace {

void Ajoute16(Octets& o, std::size_t n)
{
    const auto v = static_cast<std::uint16_t>(n);
    o.push_back(static_cast<unsigned char>(v & 0xFF));
    o.push_back(static_cast<unsigned char>(v >> 8));
}

// A NUL-terminated name in a zero-filled field of `taille` bytes; the sources
// reader has refused every name that does not fit.
void AjouteNom(Octets& o, const std::string& nom, std::size_t taille)
{
    const std::size_t debut = o.size();
    o.resize(debut + taille, 0);
    std::memcpy(o.data() + debut, nom.data(), nom.size() < taille ? nom.size() : taille - 1);
}

} // namespace

Octets ImageListeCartes(const ListeCartesSource& liste)
{
    Octets o;
    Ajoute16(o, liste.cartes.size());
    for (const CarteSource& c : liste.cartes) {
        AjouteNom(o, c.nom, 20);
        o.push_back(c.code);
        o.push_back(0);
        o.push_back(0);
    }
    o.push_back(liste.edition);
    return o;
}

Octets ImageParties(const std::vector<PartieSource>& parties)
{
    Octets o;
    Ajoute16(o, parties.size());
    for (const PartieSource& p : parties) {
        o.push_back(p.carte);
        o.push_back(p.protege);
        AjouteNom(o, p.nom, TAILLE_ENTETE - 2);
        Ajoute16(o, p.composants.size());
        for (const ComposantSource& c : p.composants) {
            const auto* octets = reinterpret_cast<const unsigned char*>(&c.rec);
            o.insert(o.end(), octets, octets + sizeof(composant));
        }
    }
    return o;
}

Octets ImageConstantes(const std::vector<ConstanteSource>& constantes)
{
    Octets o;
    for (const ConstanteSource& k : constantes) {
        const OctetsConstante r = EncodeConstante({k.numero, k.valeur});
        o.insert(o.end(), r.begin(), r.end());
    }
    return o;
}
