// A realistic chart built click by click the way the editor does, then
// edited (delete, recover, insert in the middle, move a selection). After
// each stage the diagram is saved and dumped with veldra-cli; the stages
// together must match the golden table. Set VELDRA_MAJ_GOLDEN=1 to rewrite
// the golden file after a deliberate change, and read the difference.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "EditeurSimule.h"
#include "ExempleComplet.h"
#include "Grafcet.h"
#include "elements/SGrafcet.h"
#include "io/EcritureSure.h"

namespace fs = std::filesystem;

namespace {

std::string Lire(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Scenario : public ::testing::Test {
protected:
    void SetUp() override
    {
        dossier = fs::temp_directory_path() / ("veldra-scenario-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }

    // Saves the diagram, dumps it with the command-line tool, and checks that
    // the saved file reads back into the same bytes.
    void Etape(const std::string& nom)
    {
        const fs::path fichier = dossier / "scenario.gra";
        ASSERT_TRUE(EcritureSure(fichier.string(), [this](FILE* f) { return g.EFichier(f); }));
        const fs::path sortie = dossier / "dump.txt";
        const std::string commande = std::string(VELDRA_CLI) + " dump " + fichier.string() + " >"
                                     + sortie.string();
        ASSERT_EQ(std::system(commande.c_str()), 0);
        tables += "# " + nom + "\n" + Lire(sortie);

        Grafcet relu;
        FILE* f = std::fopen(fichier.c_str(), "rb");
        ASSERT_TRUE(f);
        EXPECT_TRUE(relu.LFichier(f));
        std::fclose(f);
        EXPECT_EQ(relu.Symboles().size(), g.Symboles().size()) << nom;
    }

    void CompareAuGolden(const std::string& nom)
    {
        const fs::path golden = fs::path(VELDRA_GOLDEN) / nom;
        if (std::getenv("VELDRA_MAJ_GOLDEN")) {
            std::ofstream(golden, std::ios::binary) << tables;
            GTEST_SKIP() << "golden file rewritten: " << golden;
        }
        EXPECT_EQ(tables, Lire(golden));
    }

    fs::path dossier;
    Grafcet g;
    std::string tables;
};

TEST_F(Scenario, ChartDrawnEditedAndSaved)
{
    const long vivantsAvant = SGrafcet::NbVivants();
    {
        EditeurSimule ed(g);
        // The structure of the complete example, clicked as in the editor.
        DessineStructureComplete(g);
        TPoint commentaire(200, 10);
        g.Ajoute(COMMENTAIRE, commentaire, AUCUN);
        g.MString(commentaire, "Chariot : aller, retour");
        g.MString(TPoint(100, 80), "dcy.a0");
        g.NumEtape();
        Etape("drawn");

        // Delete the step of the second OR branch: its action block goes with
        // it, and the branch's transition below stretches to keep the bar.
        ed.Efface(TPoint(170, 190));
        Etape("OR branch step deleted");
        g.Recupere();
        Etape("recovered");

        // Insert a step below the first transition, then a transition below
        // it: the whole chain below, both divergences' branches included,
        // moves down each time.
        ed.Clic(ETAPE, TPoint(100, 84));
        ed.Clic(TRANSITION, TPoint(100, 118));
        Etape("step and transition inserted in the middle");

        // Delete the transition below the macro-step: the rest moves up 12.
        ed.Efface(TPoint(100, 170));
        Etape("middle transition deleted");

        // Move the macro expansion to the right; then try to move it onto the main chain.
        EXPECT_TRUE(ed.DeplaceRegion(TRect(290, 30, 320, 150), 40, 10));
        EXPECT_FALSE(ed.DeplaceRegion(TRect(330, 30, 360, 160), -240, 0));
        Etape("expansion moved");

        g.EffaceTout();
        Etape("everything deleted");
        g.Recupere();
        Etape("everything recovered");
    }
    CompareAuGolden("scenario.dump");
    EXPECT_EQ(SGrafcet::NbVivants() - vivantsAvant, static_cast<long>(g.Symboles().size()));
}

} // namespace
