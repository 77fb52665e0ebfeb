#include "Controles.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "Cp1252.h"

namespace {

// Quotes a text of the code page in the UTF-8 of the messages.
std::string Cite(std::string_view s)
{
    return "« " + DepuisCp1252(s) + " »";
}

bool Chiffre(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the equation and action compilers take component `c` for `nom`.
bool Correspond(const composant& c, std::string_view nom)
{
    const std::string label = LitChamp(c.label);
    switch (c.nature) {
    case 2: {
        if (nom.starts_with(label))
            return true;
        // "Mxx", "Bxx" and "Wxx" stand for every memory byte, bit and word.
        if (label.empty() || (label[0] != 'M' && label[0] != 'B' && label[0] != 'W'))
            return false;
        const char minuscule = static_cast<char>(label[0] - 'A' + 'a');
        return nom.size() >= 2 && (nom[0] == label[0] || nom[0] == minuscule) && Chiffre(nom[1]);
    }
    case 3: {
        // A trailing digit of the name is a parameter of the carriage function.
        const std::size_t n = nom.size() - (!nom.empty() && Chiffre(nom.back()) ? 1 : 0);
        for (std::size_t k = 0; k < n; ++k)
            if ((k < label.size() ? label[k] : '\0') != nom[k])
                return false;
        return true;
    }
    default:
        return !label.empty() && nom.starts_with(label);
    }
}

// The loaded part lists its components in the reverse of the file order, and
// the first one that matches a name wins.
const ComposantSource* Resout(const PartieSource& p, std::string_view nom)
{
    for (auto it = p.composants.rbegin(); it != p.composants.rend(); ++it)
        if (Correspond(it->rec, nom))
            return &*it;
    return nullptr;
}

void ControleAcces(const PartieSource& p, Diagnostics& diag)
{
    for (const ComposantSource& c : p.composants) {
        const std::string label = LitChamp(c.rec.label);
        const ComposantSource* trouve = Resout(p, label);
        if (trouve == &c)
            continue;
        diag.Erreur(p.fichier, c.ligne,
                    "label " + Cite(label) + " inaccessible : le compilateur prend d'abord "
                        + Cite(LitChamp(trouve->rec.label)) + " (ligne "
                        + std::to_string(trouve->ligne)
                        + ") ; changez un des labels ou placez celui-ci plus bas dans le fichier");
    }
}

void ControleBits(const PartieSource& p, Diagnostics& diag)
{
    std::map<std::pair<int, int>, const ComposantSource*> bits;
    for (const ComposantSource& c : p.composants) {
        if (c.rec.nature != 0)
            continue;
        const auto [it, neuf] = bits.emplace(std::pair(c.rec.indice, c.rec.masque), &c);
        if (!neuf)
            diag.Erreur(p.fichier, c.ligne,
                        "signal " + Cite(LitChamp(c.rec.label)) + " sur le même bit que "
                            + Cite(LitChamp(it->second->rec.label)) + " (ligne "
                            + std::to_string(it->second->ligne) + ")");
    }
}

// The ORBAN card has one 8255-type interface chip (port bytes 0 to 2), the
// PUX card two (3 to 5 for the second). The chip sets the direction of each
// port A, B and of each half of port C as a whole.
void ControlePorts(const PartieSource& p, Diagnostics& diag)
{
    if (p.carte != 2 && p.carte != 3)
        return;
    const int octets = p.carte == 2 ? 3 : 6;
    static const char* const PORTS[] = {"A", "B", "C (bits 0 à 3)", "C (bits 4 à 7)"};
    std::map<int, const ComposantSource*> sens;
    for (const ComposantSource& c : p.composants) {
        if (c.rec.nature != 0)
            continue;
        const std::string label = LitChamp(c.rec.label);
        if (c.rec.indice >= octets) {
            diag.Erreur(p.fichier, c.ligne,
                        "signal " + Cite(label) + " : indice " + std::to_string(c.rec.indice)
                            + " hors des ports de la carte (0 à "
                            + std::to_string(octets - 1) + ")");
            continue;
        }
        const int puce = c.rec.indice / 3;
        int port = c.rec.indice % 3;
        if (port == 2 && c.rec.masque > 8)
            port = 3;
        const auto [it, neuf] = sens.emplace(puce * 4 + port, &c);
        if (!neuf && it->second->rec.sens != c.rec.sens)
            diag.Erreur(p.fichier, c.ligne,
                        "signal " + Cite(label) + " : le port " + PORTS[port] + " de l'interface "
                            + std::to_string(puce + 1) + " mélange entrées et sorties (voir "
                            + Cite(LitChamp(it->second->rec.label)) + " ligne "
                            + std::to_string(it->second->ligne) + ")");
    }
}

void ControleConstantes(const PartieSource& p, const Donnees& d, Diagnostics& diag)
{
    for (const ComposantSource& c : p.composants) {
        if (c.rec.nature != 10)
            continue;
        bool trouve = false;
        for (const ConstanteSource& k : d.constantes)
            trouve = trouve || k.numero == c.rec.indice;
        if (!trouve)
            diag.Erreur(p.fichier, c.ligne,
                        "constante " + Cite(LitChamp(c.rec.label)) + " : aucune valeur numéro "
                            + std::to_string(c.rec.indice) + " dans " + d.fichierConstantes);
    }
}

} // namespace

void Controle(const Donnees& d, Diagnostics& diag)
{
    std::set<int> codes;
    for (const CarteSource& c : d.cartes.cartes)
        codes.insert(c.code);

    if (d.parties.size() > 32767)
        diag.Erreur("parties", "plus de 32767 parties opératives");

    std::map<std::pair<int, std::string>, const PartieSource*> vues;
    for (const PartieSource& p : d.parties) {
        if (!codes.contains(p.carte))
            diag.Erreur(p.fichier, p.ligneCarte,
                        "carte " + std::to_string(p.carte) + " absente de " + d.fichierCartes);
        // A part is found by its card and its name: a second one would never load.
        const auto [it, neuf] = vues.emplace(std::pair(p.carte, p.nom), &p);
        if (!neuf)
            diag.Erreur(p.fichier, p.ligneNom,
                        "partie opérative " + Cite(p.nom) + " de la carte "
                            + std::to_string(p.carte) + " déjà définie dans "
                            + it->second->fichier);
        ControleBits(p, diag);
        ControlePorts(p, diag);
        ControleConstantes(p, d, diag);
        ControleAcces(p, diag);
    }
}
