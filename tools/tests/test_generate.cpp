// veldra-cli generate on complete charts: the program text and the dialog's
// lines are compared with golden files, one per chart and card. Set
// VELDRA_MAJ_GOLDEN=1 to rewrite them after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/wait.h>

#include "EditeurSimule.h"
#include "ExempleComplet.h"
#include "FixturesPop.h"
#include "Grafcet.h"
#include "elements/Elements.h"
#include "io/EcritureSure.h"

using namespace fixtures;
namespace fs = std::filesystem;

namespace {

std::string LitTexte(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Operative parts named "Banc" for the cards 0, 1, 2, 3 and 5.
void EcritDonnees(const Dossier& d)
{
    const std::vector<composant> communs = {
        C(0, 0, 0, 0x01, "dcy", "Départ cycle"), C(0, 0, 0, 0x02, "a0", "Chariot à gauche"),
        C(0, 0, 0, 0x04, "a1", "Chariot à droite"), C(0, 1, 1, 0x01, "AV", "Avance"),
        C(0, 1, 1, 0x02, "AR", "Recul"), C(2, 0, 0, 0, "t/x", "Temporisation"),
        C(2, 1, 0, 0, "Mxx", "Mémoire"), C(2, 1, 0, 0, "Wxx", "Mot"),
        C(2, 0, 0, 0, "Bxx", "Bit")};
    auto plus = [&](std::vector<composant> autres) {
        autres.insert(autres.begin(), communs.begin(), communs.end());
        return autres;
    };
    Ecrit(d / "p_opera.lst",
          OctetsPop({
              {0, 1, "Banc", communs},
              {1, 1, "Banc", plus({C(1, 0, 2, 0, "niv", "Niveau"), C(1, 0, 24, 0, "pos", "Codeur"),
                                   C(1, 1, 3, 0, "VAN", "Vanne"), C(1, 1, 7, 0, "CONS", "Consigne")})},
              {2, 1, "Banc", plus({C(0, 0, 2, 0x10, "c4", "Capot fermé"), C(1, 0, 4, 0, "v", "Vitesse")})},
              {3, 1, "Banc", plus({C(0, 0, 4, 0x01, "b20", "Presse en haut")})},
              {5, 1, "Banc", plus({C(3, 1, 4, 0, "DEP", "Déplacement"), C(3, 1, 6, 0, "REC", "Retour"),
                                   C(5, 1, 1, 0, "P", "Position"), C(10, 1, 2, 0, "ORIG", "Origine")})},
          }));
    EcritConstantes(d / "ombrix.ctt", {{1, 5.0f}, {2, 12.5f}});
}

struct Cas {
    const char* nom;
    int carte;
    std::function<void(Grafcet&)> dessine;
};

// Initial step, a transition and a step in a loop; actions on the step.
void Cycle(Grafcet& g, const char* r0, const char* r1, const char* actions)
{
    EditeurSimule ed(g);
    ed.Clic(ETAPE_INITIALE, TPoint(100, 40));
    ed.Clic(ETAPE, TPoint(100, 70));
    ed.Clic(TRANSITION, TPoint(100, 115));
    ed.Retour(TPoint(100, 128), TPoint(60, 0), TPoint(100, 40));
    g.MString(TPoint(100, 80), r0);
    g.MString(TPoint(100, 125), r1);
    g.MString(TPoint(120, 100), actions);
    g.NumEtape();
}

const Cas cas[] = {
    {"cycle-simulation", 0, [](Grafcet& g) { Cycle(g, "dcy.a0", "a1", "AV|"); }},
    {"temporisations-memoires", 0,
     [](Grafcet& g) { Cycle(g, "\xAD" "dcy.m3<10", "t/x20/50+b12", "AV|M3+1|{\xAFx20}W2=W1|B12=1|"); }},
    {"orban", 2, [](Grafcet& g) { Cycle(g, "dcy.c4", "v>=20", "AV|"); }},
    {"pux", 3, [](Grafcet& g) { Cycle(g, "dcy.b20", "a1", "AR|"); }},
    {"kr40", 1, [](Grafcet& g) { Cycle(g, "niv<1F", "pos=300", "VAN=40|CONS=W2|"); }},
    {"tolb", 5, [](Grafcet& g) { Cycle(g, "dcy", "a1", "P=10|P=ORIG|DEP=20|REC=100|"); }},
    {"divergences-macro", 0,
     [](Grafcet& g) {
         DessineStructureComplete(g);
         g.NumEtape();
         // Receptivities in list order of the transitions, actions on a few steps.
         const char* receptivites[] = {"dcy", "a0", "a1", "\xAF" "a1", "t/x30/10", "a0.a1",
                                       "x50.x60", "1", "a0"};
         short k = 0;
         for (const auto& s : g.Symboles()) {
             if (s->LType() == TRANSITION && k < 9)
                 s->MString(receptivites[k++]);
         }
         g.MString(TPoint(120, 150), "AV|");
         g.MString(TPoint(120, 250), "{a0}AR|M1=5|");
     }},
    {"erreurs", 0,
     [](Grafcet& g) {
         Cycle(g, "dcy.zz", "a1+", "AV|QQ|{yy}AR|{a0}|");
     }},
    {"macro-sans-fin", 0,
     [](Grafcet& g) {
         Cycle(g, "dcy", "a1", "AV|");
         TPoint p(300, 40);
         g.Ajoute(MACRO, p, AUCUN);
     }},
    {"macro-non-utilisee", 0,
     [](Grafcet& g) {
         Cycle(g, "dcy", "a1", "AV|");
         g.Place<MacroF>(300, 40)->MNumero(0);
         g.Place<MacroF>(300, 100)->MNumero(1);
         g.Place<Macro>(400, 40)->MNumero(1);
         g.Place<MacroE>(500, 40)->MNumero(1);
     }},
    {"macro-non-definie", 0,
     [](Grafcet& g) {
         Cycle(g, "dcy", "a1", "AV|");
         g.Place<Macro>(300, 40)->MNumero(0);
         g.Place<Transition>(300, 74)->MString("a0");
         g.AjouteRetour(TPoint(300, 86), TPoint(260, 0), TPoint(100, 40));
         g.Place<MacroF>(400, 40)->MNumero(0);
         g.Place<MacroE>(500, 40)->MNumero(1);
     }},
};

class Generate : public ::testing::TestWithParam<Cas> {};

TEST_P(Generate, ProgramTextAndDialogLinesMatchTheGoldenFile)
{
    const Cas& c = GetParam();
    Dossier d(std::string("veldra-generate-") + c.nom);
    EcritDonnees(d);
    Grafcet g;
    c.dessine(g);
    const std::string gra = (d / "chart.gra").string();
    ASSERT_TRUE(EcritureSure(gra, [&g](FILE* f) { return g.EFichier(f); }));

    const std::string commande = std::string(VELDRA_CLI) + " generate --data " + d.Prefixe()
                                 + " --card " + std::to_string(c.carte) + " --pop Banc -o "
                                 + (d / "prog.txt").string() + " " + gra + " 2>"
                                 + (d / "err.txt").string();
    const int brut = std::system(commande.c_str());
    const int statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
    const std::string resultat = "statut " + std::to_string(statut) + "\n--- programme\n"
                                 + LitTexte(d / "prog.txt") + "--- dialogue\n"
                                 + LitTexte(d / "err.txt");

    const fs::path golden = fs::path(VELDRA_GOLDEN) / "generate" / (std::string(c.nom) + ".txt");
    if (std::getenv("VELDRA_MAJ_GOLDEN")) {
        fs::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << resultat;
        GTEST_SKIP() << "golden file rewritten: " << golden;
    }
    EXPECT_EQ(resultat, LitTexte(golden));
}

INSTANTIATE_TEST_SUITE_P(Charts, Generate, ::testing::ValuesIn(cas),
                         [](const auto& info) {
                             std::string n = info.param.nom;
                             for (char& ch : n)
                                 if (ch == '-')
                                     ch = '_';
                             return n;
                         });

TEST(GenerateArguments, UnusableArgumentsAndFilesAreRefusedInOneLine)
{
    Dossier d("veldra-generate-args");
    EcritDonnees(d);
    Grafcet g;
    Cycle(g, "dcy", "a1", "AV|");
    const std::string gra = (d / "chart.gra").string();
    ASSERT_TRUE(EcritureSure(gra, [&g](FILE* f) { return g.EFichier(f); }));
    const std::string base = std::string(VELDRA_CLI) + " generate ";
    struct Arg {
        std::string args;
        int statut;
        std::string message;
    };
    const Arg cas[] = {
        {"--data " + d.Prefixe() + " --card 0 --pop Inconnue " + gra, 2, "introuvable"},
        {"--data " + (d / "vide").string() + " --card 0 --pop Banc " + gra, 2, "p_opera.lst"},
        {"--data " + d.Prefixe() + " --card x --pop Banc " + gra, 2, "carte"},
        {"--data " + d.Prefixe() + " --card 0 --pop Banc " + (d / "absent.gra").string(), 2,
         "absent.gra"},
        {"--data " + d.Prefixe() + " --card 0 --pop Banc --frobnique " + gra, 2, "frobnique"},
        {"--data " + d.Prefixe() + " --card 0 --pop Banc -o " + (d / "non" / "p.txt").string()
             + " " + gra,
         4, "introuvable"},
        {"--card 0 --pop", 2, "--pop"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.args);
        const int brut = std::system((base + c.args + " >" + (d / "out").string() + " 2>"
                                      + (d / "err").string())
                                         .c_str());
        EXPECT_EQ(WEXITSTATUS(brut), c.statut);
        const std::string err = LitTexte(d / "err");
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        if (c.statut == 2) {
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
    }
}

TEST(GenerateArguments, DataCardAndPartComeFromTheSettings)
{
    Dossier d("veldra-generate-reglages");
    EcritDonnees(d);
    Grafcet g;
    Cycle(g, "dcy.c4", "v>=20", "AV|");
    const std::string gra = (d / "chart.gra").string();
    ASSERT_TRUE(EcritureSure(gra, [&g](FILE* f) { return g.EFichier(f); }));
    std::ofstream(d / "veldra.ini") << "[SOFTWARE\\NORIM\\VELDRA]\nPATH=" << d.Prefixe()
                                    << "\n[SOFTWARE\\NORIM\\VELDRA\\CIBLE]\nCARTE=2\nP_OPERA=Banc\n";
    const std::string commande = "VELDRA_SETTINGS=" + (d / "veldra.ini").string() + " "
                                 + VELDRA_CLI + " generate " + gra + " >" + (d / "out").string()
                                 + " 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(commande.c_str())), 0);
    const std::string texte = LitTexte(d / "out");
    EXPECT_NE(texte.find("C1198Z\n"), std::string::npos) << texte; // the ORBAN configuration
}

} // namespace
