// Operative parts: loading a block of the operative-part file, lookups,
// interface-chip control words, the constants, and saving back.
#include <gtest/gtest.h>

#include "FixturesPop.h"
#include "pop/POpera.h"

using namespace fixtures;

namespace {

std::vector<std::string> Labels(const POpera& pop)
{
    std::vector<std::string> l;
    std::string texte;
    for (short n = 0; n < pop.LitNbEl(-1); ++n) {
        pop.LComposant(n, texte);
        l.push_back(texte.substr(0, texte.find('\n')));
    }
    return l;
}

TEST(POpera, LoadsTheBlockOfItsCardAndNameOnly)
{
    Dossier d("veldra-pop");
    Ecrit(d / "p_opera.lst",
          OctetsPop({{0, 1, "Banc", {C(0, 0, 0, 1, "a0", "Capteur gauche"), C(0, 1, 0, 1, "A0")}},
                     {2, 0, "Banc", {C(0, 0, 0, 1, "x0"), C(0, 0, 0, 2, ""), C(0, 1, 1, 1, "Y0")}},
                     {2, 0, "Autre", {C(0, 0, 0, 1, "z")}}}));
    POpera sim(0, "Banc", d.Prefixe());
    EXPECT_EQ(Labels(sim), (std::vector<std::string>{"A0", "a0"})); // last loaded first
    EXPECT_EQ(sim.LProtege(), 1);
    std::string texte;
    sim.LComposant(1, texte);
    EXPECT_EQ(texte, "a0\nCapteur gauche");

    POpera orban(2, "Banc", d.Prefixe());
    EXPECT_EQ(Labels(orban), (std::vector<std::string>{"Y0", "x0"})); // the empty label is not loaded
    EXPECT_EQ(orban.LProtege(), 0);
    EXPECT_EQ(orban.LitNbEl(0), 1);
    EXPECT_EQ(orban.LitNbEl(1), 1);
    char nom[16] = "inchangé";
    orban.LitNom(0, 1, nom);
    EXPECT_STREQ(nom, "Y0");
    orban.LitNom(5, 1, nom);
    EXPECT_STREQ(nom, "Y0");

    POpera absent(2, "Inconnu", d.Prefixe());
    EXPECT_EQ(absent.LitNbEl(-1), 0);
    POpera sansFichier(2, "Banc", (d / "rien").string() + "/");
    EXPECT_EQ(sansFichier.LitNbEl(-1), 0);
}

TEST(POpera, PositionalLookupsByNatureAndDirection)
{
    Dossier d("veldra-pop");
    Ecrit(d / "p_opera.lst", OctetsPop({{0, 0, "P", {C(0, 1, 0, 1, "S1"), C(1, 1, 3, 0, "V"),
                                                       C(0, 1, 0, 2, "S2")}}}));
    POpera pop(0, "P", d.Prefixe());
    EXPECT_EQ(pop.LNbel(0, 1), 2);
    EXPECT_EQ(pop.LNbel(1, 0), 0);
    composant c{};
    pop.LComposant(0, 0, 1, c);
    EXPECT_STREQ(c.label, "S2");
    pop.MComposant(1, 0, 1, C(0, 1, 0, 1, "S9"));
    pop.LComposant(1, 0, 1, c);
    EXPECT_STREQ(c.label, "S9");
    pop.MComposant(7, 0, 1, C(0, 1, 0, 1, "X")); // none: nothing happens
    EXPECT_EQ(pop.LNbel(0, 1), 2);

    pop.AjouteVI(C(4, 0, 0, 0, "x1"));
    pop.AjouteVI(C(4, 0, 0, 0, "")); // an empty label is not added
    EXPECT_EQ(pop.LitNbEl(-1), 4);
    char carte = -1;
    char nom[20];
    pop.LNomPop(carte, nom);
    EXPECT_EQ(carte, 0);
    EXPECT_STREQ(nom, "P");
}

struct CasConf {
    const char* nom;
    int carte;
    std::string nomPop;
    std::vector<composant> records;
    std::string attendu;
};

TEST(POpera, CardConfigurationRecords)
{
    const CasConf cas[] = {
        {"inputs on port C bits 4-7", 2, "P",
         {C(0, 0, 2, 16, "c4"), C(0, 0, 2, 128, "c7"), C(0, 1, 0, 1, "A0")}, "C1188"},
        {"port A bit 0 and port C bit 2", 2, "P", {C(0, 0, 0, 1, "a0"), C(0, 0, 2, 4, "c2")},
         "C1191"},
        {"port B input", 2, "P", {C(0, 0, 1, 8, "b3")}, "C1182"},
        {"QT70 adds I", 2, "QT70", {}, "C1180I"},
        {"an empty label still sets its port", 2, "P", {C(0, 0, 0, 1, "")}, "C1190"},
        {"two chips, no input", 3, "P", {C(0, 1, 0, 1, "A10"), C(0, 1, 3, 1, "A20")},
         "C0880C0780"},
        {"two chips, inputs on both", 3, "P",
         {C(0, 0, 0, 1, "a10"), C(0, 0, 4, 1, "b20"), C(0, 0, 5, 16, "c24")}, "C0890C078A"},
        {"simulation", 0, "P", {C(0, 0, 0, 1, "a0")}, ""},
        {"position card", 5, "P", {C(0, 0, 0, 1, "a0")}, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Dossier d("veldra-conf");
        Ecrit(d / "p_opera.lst", OctetsPop({{c.carte, 1, c.nomPop, c.records}}));
        POpera pop(static_cast<char>(c.carte), c.nomPop, d.Prefixe());
        std::string out = "x";
        pop.EConf(out);
        EXPECT_EQ(out, "x" + c.attendu);
    }
}

TEST(POpera, ConstantsOfThePositionCard)
{
    Dossier d("veldra-ctt");
    Ecrit(d / "p_opera.lst", OctetsPop({{5, 1, "Tolb", {C(10, 1, 1, 0, "ORIG")}}}));
    EcritConstantes(d / "ombrix.ctt", {{1, 12.5f}, {2, -3.0f}});
    auto octets = Lit(d / "ombrix.ctt");
    octets.push_back(0x42);
    octets.push_back(0x43); // 14 bytes: the last two are not a record
    Ecrit(d / "ombrix.ctt", octets);
    POpera pop(5, "Tolb", d.Prefixe());
    EXPECT_EQ(pop.LNbConst(), 2);
    ASSERT_EQ(pop.Constantes().size(), 2u);
    EXPECT_EQ(pop.Constantes()[1].LNumero(), 2);
    EXPECT_FLOAT_EQ(pop.Constantes()[1].LValeur(), -3.0f);
    POpera autre(2, "Tolb", d.Prefixe());
    EXPECT_EQ(autre.LNbConst(), 0); // only the position card reads them
}

TEST(POpera, SavingRewritesOnlyItsBlockAndReversesItsOrder)
{
    Dossier d("veldra-sauve");
    const Bloc avant{0, 1, "Usine", {C(0, 1, 0, 1, "U")}};
    const Bloc apres{2, 0, "Apres", {C(0, 1, 0, 1, "Z")}};
    Ecrit(d / "p_opera.lst",
          OctetsPop({avant, {0, 0, "Eleve", {C(0, 1, 0, 1, "S1"), C(0, 0, 0, 2, ""), C(0, 0, 0, 4, "e1")}}, apres}));
    {
        POpera pop(0, "Eleve", d.Prefixe());
        std::string erreur;
        ASSERT_TRUE(pop.Sauve(&erreur)) << erreur;
    }
    // The empty record is gone; the others come back in reverse order.
    EXPECT_EQ(Lit(d / "p_opera.lst"),
              OctetsPop({avant, {0, 0, "Eleve", {C(0, 0, 0, 4, "e1"), C(0, 1, 0, 1, "S1")}}, apres}));
    {
        POpera pop(0, "Eleve", d.Prefixe());
        pop.AjouteVI(C(0, 1, 0, 8, "S4"));
        ASSERT_TRUE(pop.Sauve());
    }
    EXPECT_EQ(Lit(d / "p_opera.lst"),
              OctetsPop({avant, {0, 0, "Eleve", {C(0, 1, 0, 8, "S4"), C(0, 1, 0, 1, "S1"), C(0, 0, 0, 4, "e1")}},
                         apres}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.chemin),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(POpera, SavingNeverLosesTheFile)
{
    Dossier d("veldra-sauve");
    const auto original = OctetsPop({{0, 1, "Usine", {C(0, 1, 0, 1, "U")}},
                                     {0, 0, "Eleve", {C(0, 1, 0, 1, "S1")}}});
    Ecrit(d / "p_opera.lst", original);

    POpera usine(0, "Usine", d.Prefixe());
    usine.AjouteVI(C(0, 1, 0, 2, "U2"));
    EXPECT_TRUE(usine.Sauve()); // read-only: nothing is written
    EXPECT_EQ(Lit(d / "p_opera.lst"), original);

    // Someone removed the block meanwhile: the edit is refused, not dropped silently.
    POpera eleve(0, "Eleve", d.Prefixe());
    Ecrit(d / "p_opera.lst", OctetsPop({{0, 1, "Usine", {C(0, 1, 0, 1, "U")}}}));
    std::string erreur;
    EXPECT_FALSE(eleve.Sauve(&erreur));
    EXPECT_NE(erreur.find("Eleve"), std::string::npos) << erreur;

    // A damaged file is not rewritten.
    auto coupe = original;
    coupe.resize(coupe.size() - 10);
    Ecrit(d / "p_opera.lst", coupe);
    POpera partiel(0, "Eleve", d.Prefixe());
    EXPECT_FALSE(partiel.Complet());
    EXPECT_FALSE(partiel.Sauve(&erreur));
    EXPECT_EQ(Lit(d / "p_opera.lst"), coupe);

    std::filesystem::remove(d / "p_opera.lst");
    EXPECT_FALSE(partiel.Sauve(&erreur));
    EXPECT_NE(erreur.find("introuvable"), std::string::npos) << erreur;
}

TEST(POpera, DamagedFilesLoadWhatTheyHold)
{
    Dossier d("veldra-abime");
    auto octets = OctetsPop({{0, 0, "P", {C(0, 1, 0, 1, "S1"), C(0, 1, 0, 2, "S2")}}});
    for (std::size_t longueur : {std::size_t{0}, std::size_t{1}, std::size_t{10}, std::size_t{26},
                                 std::size_t{26 + 72}, octets.size() - 1}) {
        SCOPED_TRACE(longueur);
        Ecrit(d / "p_opera.lst", std::vector<unsigned char>(octets.begin(), octets.begin() + static_cast<long>(longueur)));
        POpera pop(0, "P", d.Prefixe());
        EXPECT_EQ(pop.LitNbEl(-1), longueur >= 26 + 72 ? 1 : 0);
        EXPECT_EQ(pop.Complet(), longueur == 0);
    }
    // A count far larger than the file, a negative record count.
    octets[0] = 0xFF;
    octets[1] = 0x7F;
    Ecrit(d / "p_opera.lst", octets);
    EXPECT_EQ(POpera(0, "P", d.Prefixe()).LitNbEl(-1), 2);
    auto negatif = OctetsPop({{0, 0, "P", {}}, {0, 0, "Q", {C(0, 1, 0, 1, "S1")}}});
    negatif[24] = 0xFE;
    negatif[25] = 0xFF;
    Ecrit(d / "p_opera.lst", negatif);
    EXPECT_EQ(POpera(0, "Q", d.Prefixe()).LitNbEl(-1), 1);
}

} // namespace
