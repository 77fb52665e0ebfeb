#include "nomenclature/Rubriques.h"

#include "SelectionCible.h"
#include "platform/Reglages.h"
#include "pop/POpera.h"
#include "variables/ListV.h"

namespace nomenclature {

const std::vector<Categorie>& OrdreCibleEcran()
{
    static const std::vector<Categorie> o = {{0, 0}, {1, 0}, {0, 1},  {1, 1},
                                             {5, 1}, {3, 1}, {2, 1}, {10, 1}};
    return o;
}

const std::vector<Categorie>& OrdreCiblePapier()
{
    static const std::vector<Categorie> o = {{0, 0}, {1, 0}, {0, 1},  {1, 1},
                                             {5, 1}, {2, 1}, {10, 1}, {3, 1}};
    return o;
}

const std::vector<Categorie>& OrdreGrafEcran()
{
    static const std::vector<Categorie> o = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {5, 1}, {3, 1}, {2, 1}};
    return o;
}

const std::vector<Categorie>& OrdreGrafPapier()
{
    static const std::vector<Categorie> o = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {5, 1}, {2, 1}, {3, 1}};
    return o;
}

QString Entete(Categorie c)
{
    struct Titre {
        Categorie c;
        const char* texte;
    };
    // Position outputs (nature 5) share the heading of the analog outputs.
    static const Titre titres[] = {
        {{0, 0}, "Entrée logique"},    {{1, 0}, "Entrée analogique"}, {{0, 1}, "Sortie logique"},
        {{1, 1}, "Sortie analogique"}, {{5, 1}, "Sortie analogique"}, {{3, 1}, "Action chariot"},
        {{2, 1}, "Mémoire"},           {{10, 1}, "Constante"},
    };
    for (const auto& t : titres) {
        if (t.c == c)
            return QString::fromUtf8(t.texte);
    }
    return {};
}

QString NomCarte(unsigned char code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Simulation");
    case 1:
        return QStringLiteral("KR40");
    case 2:
        return QStringLiteral("ORBAN");
    case 3:
        return QStringLiteral("PUX");
    case 5:
        return QStringLiteral("Tolb");
    case 6:
        return QStringLiteral("EPP");
    case 7:
        return QStringLiteral("COM");
    case 16:
        return QStringLiteral("Raskel");
    default:
        return {};
    }
}

namespace {

template <class Source>
Liste Lit(const Source& source, const std::vector<Categorie>& ordre)
{
    Liste l;
    for (const Categorie c : ordre) {
        Rubrique r{c, {}};
        const short n = source.LNbel(c.nature, c.sens);
        for (short k = 0; k < n; ++k) {
            composant comp{};
            source.LComposant(k, c.nature, c.sens, comp);
            r.composants.push_back(comp);
        }
        l.push_back(std::move(r));
    }
    return l;
}

// ListV names its count NBel.
struct SourceListV {
    const ListV& v;
    short LNbel(short nature, short sens) const { return v.NBel(nature, sens); }
    void LComposant(short n, short nature, short sens, composant& out) const
    {
        v.LComposant(n, nature, sens, out);
    }
};

} // namespace

Liste ListeDe(const POpera& pop, const std::vector<Categorie>& ordre) { return Lit(pop, ordre); }

Liste ListeDe(const ListV& variables, const std::vector<Categorie>& ordre)
{
    return Lit(SourceListV{variables}, ordre);
}

Liste Reordonne(const Liste& liste, const std::vector<Categorie>& ordre)
{
    Liste l;
    for (const Categorie c : ordre) {
        Rubrique r{c, {}};
        for (const auto& existante : liste) {
            if (existante.categorie == c) {
                r.composants = existante.composants;
                break;
            }
        }
        l.push_back(std::move(r));
    }
    return l;
}

int Nombre(const Liste& liste)
{
    int n = 0;
    for (const auto& r : liste)
        n += static_cast<int>(r.composants.size());
    return n;
}

SelectionCible SelectionApplication()
{
    SelectionCible s = SelectionCible::Courante();
    if (s.donnees.empty()) {
        const Reglages reglages;
        s.carte = reglages.Carte();
        s.nomPop = reglages.NomPop();
        s.donnees = reglages.RepertoireDonnees();
    }
    return s;
}

} // namespace nomenclature
